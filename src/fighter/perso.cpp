#include "perso.h"

void Perso::PersoVarInit(ParamJoueur p)
{
    bonusxp = 0;
    pers = p.perso;
    Cvitdedeplacmt = donneesperso.vitesse;
    Cvitdesaut = donneesperso.forcesaut;
    Cvitdeplanmt = 10;
    joueur = p.joueur;
    Vie = donneesperso.PV;
    dVie = donneesperso.PV;
    sonperso.initialiser(p.perso);
    SpeInit(p);
    clav.init_combo(p);
    InitBarre();
    status.initCETAT();
    ai.initIA();
    nbcoup = 0;
    nbcoupsdonnes = 0;
    tampon = rien;
    tampon_ticks = depuis_attaque = 0;
    projectile_lance = false;
}

void Perso::NouveauRound()
{
    // The state set carries over: the fighter knocked out gets up, a dizzy
    // one is still dizzy. Only what ends with its own animation is ended,
    // since the round starts the looping idle one instead.
    for (ETAT e : {donnecoup, taunt, esquive, touche, baisse, releve})
        status.enlever(e);
    bool aucun = true;
    for (bool e : status.etat)
        aucun = aucun && !e;
    if (aucun)
        status.ajouter(repos);
    Speencour = false;
    nObj = 0;
    faitTrembler = false;
    faitScrollerX = faitScrollerY = faitRalentir = 0;
}

int Perso::NewAnim(ParamLvl par)
{
    if (ChAnim.EstVide() || !ChAnim.EstTimeImgFini(to, donneesperso.rapidite))
        return 0;
    if (!ChAnim.estfindeliste())
        ChAnim.suivant();
    else
        FinAnim(par);
    MontrerImage();
    to = t;
    projectile_lance = false;
    return 1;
}

void Perso::FinAnim(ParamLvl par)
{
    if (status.estdans(baisse)) {
        SetAnim(SLOT_BAS);
        status.ajouter(bas);
    } else if (status.estdans(releve)) {
        Vx = 0;
        if (status.estdans(pommes))
            DansLesPommes();
        else
            SetAnim(SLOT_REPOS);
        status.ajouter(repos);
    } else if (status.estdans(touche)) {
        if (status.estdans(bas)) {
            StandBas();
        } else if (!enlair(par)) {
            // In the air the hit pose stays until the fighter lands.
            SetAnim(SLOT_REPOS);
            Vx = 0;
            status.ajouter(repos);
        }
    } else if (status.estdans(touchetombe)) {
        if (!enlair(par)) {
            SetAnim(SLOT_A_TERRE);
            status.ajouter(aterre);
        }
    } else if (status.estdans(taunt) || status.estdans(esquive)) {
        SetAnim(SLOT_REPOS);
        status.ajouter(repos);
    } else if (status.estdans(donnecoup)) {
        if (enlair(par)) {
            SetAnim(SLOT_SAUT);
            status.ajouter(saute);
        } else if (status.estdans(bas)) {
            SetAnim(SLOT_BAS);
            Vx = 0;
        } else {
            status.ajouter(repos);
            SetAnim(SLOT_REPOS);
            Vx = 0;
        }
        status.enlever(donnecoup);
    }
}

void Perso::getInfo(CETAT ad, int adx)
{
    info.mana = Mana;
    info.status = status;
    info.Position = x;
    info.b = hflip;
    info.adv.Position = adx;
    info.adv.dist = x > adx ? x - adx : adx - x;
    info.adv.status = ad;
}

void Perso::DestroyPerso()
{
    Destroy();
    Obj.Destroy();
    BarreFond.DestroyBitmap();
    BarreVie.DestroyBitmap();
    BarreVie2.DestroyBitmap();
    BarreMana.DestroyBitmap();
}

void Perso::Resumer(Somme& h) const
{
    ObjetAnim::Resumer(h);
    clav.Resumer(h);
    status.Resumer(h);
    Obj.Resumer(h);
    h.ajouter({nObj, Speencour, NCoupSpe, tps, faitTrembler, faitScrollerX, faitScrollerY, faitRalentir});
    const DONNEES_PERSO& d = donneesperso;
    h.ajouter({d.FOR, d.DEX, d.CON, d.INT, d.carac.experience, d.carac.niveau, d.vitesse, d.rapidite, d.forcesaut,
               d.PV, d.ManaMax, d.ManaDebut, d.AutoMana, d.ManaTaunt, d.bonusdegats, d.bonusdegatsmagiques,
               d.coefprotect, d.nbcoupspommes});
    ai.Resumer(h);
    h.ajouter({tampon, tampon_ticks, depuis_attaque, projectile_lance});
    h.ajouter({pers, bonusxp, Vie, Mana, nbcoupsdonnes, ModeEvolution, x_scr, regles.bits()});
    h.ajouter_reel(dVie);
    h.ajouter({joueur, Cvitdedeplacmt, Cvitdesaut, Cvitdeplanmt, nbcoup, tdVie});
    h.ajouter({info.Position, info.mana, info.b, info.adv.dist, info.adv.Position, info.adv.b});
    info.status.Resumer(h);
    info.adv.status.Resumer(h);
}
