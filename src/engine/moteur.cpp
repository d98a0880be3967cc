#include "moteur.h"

#include <random>

#include "../control/appuis_clavier.h"

namespace {

const char* const PLAQUES[] = {"graphics/shiz.bmp", "graphics/talon.bmp", "graphics/vishvakarman.bmp",
                               "graphics/panda.bmp"};

const char* plaque(PERSO p) { return p >= shiz && p <= vishvakarman ? PLAQUES[p] : PLAQUES[panda]; }

// Side 2's plate ends near the right edge: its x depends on the plate's length.
int x_plaque_j2(PERSO p)
{
    switch (p) {
    case shiz:
        return 530;
    case talon:
        return 500;
    case vishvakarman:
        return 375;
    default:
        return 480;
    }
}

}  // namespace

void Moteur::NewGame(ParamMoteur* PM)
{
    std::random_device hasard;
    NewGame(PM, static_cast<uint64_t>(hasard()) << 32 | hasard());
}

void Moteur::NewGame(ParamMoteur* PM, uint64_t graine)
{
    alea.semer(graine);
    if (enregistrement)
        enregistrement->commencer(*PM, graine);
    DebutMatch(PM);
    for (;;) {
        NewRound(PM);
        const int resultat = Gogogo(PM, 60);
        if (resultat == ROUND_ABANDONNE) {
            if (enregistrement)
                enregistrement->somme_finale = SommeEtat(PM);
            sonjeu.stop(0, 0);
            DestroyJeu(PM);
            return;
        }
        const bool termine = CompterRound(resultat);
        Finpartie(PM);
        if (termine)
            break;
    }
    FinMatch(PM);
}

void Moteur::DebutMatch(ParamMoteur* PM)
{
    // The fight's clocks are its own from here to the teardown. (The
    // engine's own t counts a round's seconds: the clock is ::t.)
    ::t = 0;
    ::s = 0;
    tick_match = 0;
    regles = Regles::de(PM->edition);
    if (horloge.reelle()) {
        horloges_au_combat(true);
        guetter_appuis(regles.touches_appuyees);
    }
    nbround = 2;
    nbwinp1 = nbwinp2 = 0;
    plus = EtatAmeliore();
    priorP = 0;
    vitesse = 0;
    InitParamLvl(PM);
    InitParamP1(PM);
    InitParamP2(PM);
    InitPersoP1(PM);
    InitPersoP2(PM);
    InitMoteur(PM);
    p1.calculdonneesperso(PM->parP1.carac);
    p2.calculdonneesperso(PM->parP2.carac);
    p1.PersoVarInit(PM->parP1);
    p2.PersoVarInit(PM->parP2);
    p1.LierAlea(&alea);
    p2.LierAlea(&alea);
    p1.regles = p2.regles = regles;
    compteur_sec.init();
}

bool Moteur::CompterRound(int resultat)
{
    if (resultat == KO_J1 || resultat == TEMPS_J1)
        ++nbwinp1;
    else if (resultat == KO_J2 || resultat == TEMPS_J2)
        ++nbwinp2;
    return nbwinp1 >= nbround || nbwinp2 >= nbround;
}

void Moteur::FinMatch(ParamMoteur* PM)
{
    ResultatMatch(PM);
    DestroyJeu(PM);
}

void Moteur::ResultatMatch(ParamMoteur* PM)
{
    PM->winner = nbwinp1 > nbwinp2 ? 1 : 2;
    sonjeu.stop(0, 0);
    if (enregistrement) {
        enregistrement->winner = PM->winner;
        enregistrement->somme_finale = SommeEtat(PM);
    }
    if (PM->ModeEvolution && !rejeu) {
        // Only the experience comes back from the fight.
        const bool miroir = PM->ModeDeJeu != mode_histoire && PM->parP1.perso == PM->parP2.perso;
        if (miroir) {
            // One file for both sides: each side's gain goes into it, where
            // saving one side after the other would keep only the second.
            const uint32_t total = experience_des_deux(PM->parP1.carac.experience, p1.donneesperso.carac.experience,
                                                       p2.donneesperso.carac.experience);
            PM->parP1.carac.experience = PM->parP2.carac.experience = total;
            PM->parP1.save_xp_file();
            PM->parP2.carac = PM->parP1.carac;
            return;
        }
        PM->parP1.carac.experience = p1.donneesperso.carac.experience;
        PM->parP2.carac.experience = p2.donneesperso.carac.experience;
        PM->parP1.save_xp_file();
        if (PM->ModeDeJeu != mode_histoire)
            PM->parP2.save_xp_file();
    }
}

void Moteur::InitParamLvl(ParamMoteur* PM)
{
    PM->Parlvl.LoadBitmap(PM->Parlvl.stage);
    buffer = create_bitmap_ex(16, 640, 480);
    clear_bitmap(buffer);
}

void Moteur::InitParamP1(ParamMoteur* PM)
{
    PM->parP1.SetJoueur(1);
    PM->parP1.SetKey();
}

void Moteur::InitParamP2(ParamMoteur* PM)
{
    PM->parP2.SetJoueur(2);
    PM->parP2.SetKey();
}

namespace {

void init_perso(Perso& p, const ParamJoueur& par, const ParamLvl& lvl)
{
    p.SetMana(0);
    p.SetPath(par);
    p.LoadAllAnime(par);
    p.SetMaxXY(lvl.fond ? lvl.fond->w : 640, lvl.fond ? lvl.fond->h : 480);
}

}  // namespace

void Moteur::InitPersoP1(ParamMoteur* PM) { init_perso(p1, PM->parP1, PM->Parlvl); }

void Moteur::InitPersoP2(ParamMoteur* PM) { init_perso(p2, PM->parP2, PM->Parlvl); }

void Moteur::InitMoteur(ParamMoteur* PM)
{
    font3.charger("graphics/chinese.ttf");
    font3.taille(20);
    sonjeu.initialiser(PM->Parlvl.stage);
    p1.ModeEvolution = p2.ModeEvolution = PM->ModeEvolution;
    for (ObjetGraph* o : {&txtj1, &txtj2, &Fight, &Roundone, &Roundtwo, &FinalRound})
        o->GraphVarInit();
    KO.SetObjet("graphics/ko.bmp", 0, 470, true);
    timeup.SetObjet("graphics/timeup.bmp", 0, 470, true);
    perfect.SetObjet("graphics/perfect.bmp", 0, 470, true);
    Fight.SetChBitmap("graphics/fight.bmp");
    Roundone.SetChBitmap("graphics/roundone.bmp");
    Roundtwo.SetChBitmap("graphics/roundtwo.bmp");
    FinalRound.SetChBitmap("graphics/finalround.bmp");
    txtj1.SetObjet(plaque(PM->parP1.perso), 30, 427, false);
    txtj2.SetObjet(plaque(PM->parP2.perso), x_plaque_j2(PM->parP2.perso), 427, false);
    for (ObjetGraph* o : {&Fight, &Roundone, &Roundtwo, &FinalRound})
        o->LoadBitmap();
    ChargerEffets();
}

void Moteur::NewRound(ParamMoteur* PM)
{
    ParamLvl& lvl = PM->Parlvl;
    sonjeu.jouer(0, 0);
    p1.GraphVarInit();
    p1.MvtVarInit();
    p2.GraphVarInit();
    p2.MvtVarInit();
    const int largeur = lvl.fond ? lvl.fond->w : 640;
    p2.SetY(0);
    p2.SetX(largeur / 2 + 200);
    p1.SetY(0);
    p1.SetX(largeur / 2 - 200);
    p1.SetAnim(0);
    p2.SetAnim(0);
    p1.NouveauRound();
    p2.NouveauRound();
    p2.BmpFlip();
    p1.SynchroTime();
    p1.SynchroTimeAnim();
    p2.SynchroTime();
    p2.SynchroTimeAnim();
    lvl.scrolly = 0;
    lvl.scrollx = p1.GetX() - 120;
    p1touche = p2touche = tremble = false;
    ftremb = 15;
    fps = mfps = 0;
    p1.Vie = p1.donneesperso.PV;
    p1.dVie = p1.donneesperso.PV;
    p2.Vie = p2.donneesperso.PV;
    p2.dVie = p2.donneesperso.PV;
}

void Moteur::DestroyJeu(ParamMoteur* PM)
{
    for (ObjetGraph* o : {&KO, &Fight, &Roundone, &Roundtwo, &FinalRound, &txtj1, &txtj2, &perfect, &timeup})
        o->DestroyBitmap();
    compteur_sec.destroy();
    LibererEffets();
    PM->Parlvl.destroy();
    p1.DestroyPerso();
    p2.DestroyPerso();
    font3.destroy();
    p1.sonperso.Destroy();
    p2.sonperso.Destroy();
    sonjeu.Destroy();
    if (horloge.reelle()) {
        horloges_au_combat(false);
        guetter_appuis(false);
    }
    if (buffer)
        destroy_bitmap(buffer);
    buffer = nullptr;
}
