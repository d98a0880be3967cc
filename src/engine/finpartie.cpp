#include <utility>

#include "moteur.h"

namespace {

const char* victoire(PERSO p, bool cote1)
{
    switch (p) {
    case shiz:
        // Side 1's line has always carried a trailing blank.
        return cote1 ? "shiz remporte la victoire " : "shiz remporte la victoire";
    case talon:
        return "talon remporte la victoire";
    case vishvakarman:
        return "vishvakarman remporte la victoire";
    default:
        return "panda remporte la victoire";
    }
}

}  // namespace

void Moteur::RecompenseRound(ParamMoteur* PM, int resultat)
{
    if (!PM->ModeEvolution)
        return;
    const int diff = PM->parP2.carac.niveau - PM->parP1.carac.niveau;
    // Beating an opponent of the same or a higher level earns more, and is
    // remembered as the round's bonus.
    const auto recompenser = [](Perso& gagnant, int ecart, int par_niveau, int base, int fixe) {
        if (ecart >= 0) {
            const int gain = par_niveau * ecart + base;
            gagnant.ajoutexp(gain);
            gagnant.bonusxp = gain;
        } else {
            gagnant.ajoutexp(fixe);
        }
    };
    switch (resultat) {
    case KO_J1:
        recompenser(p1, diff, 200, 600, 400);
        break;
    case KO_J2:
        recompenser(p2, -diff, 200, 600, 400);
        break;
    case TEMPS_J1:
        recompenser(p1, diff, 150, 500, 350);
        break;
    case TEMPS_J2:
        recompenser(p2, -diff, 150, 500, 350);
        break;
    default:
        break;
    }
}

void Moteur::Finpartie(ParamMoteur* PM)
{
    DebutFinpartie(PM);
    while (!fini) {
        if (gamet <= 0) {
            rest(1);   // as in a round: a frame only when the logic moved on
            continue;
        }
        while (gamet > 0 && !fini) {
            fini = TickFinpartie(PM);
            --gamet;
        }
        ImageFinpartie(PM);
        Montrer();
    }
    ConclureFinpartie();
}

void Moteur::DebutFinpartie(ParamMoteur* PM)
{
    // Still loaded when an online match takes back the end of a round.
    if (!font_txt.font)
        font_txt.charger("graphics/intsh.ttf");
    font_txt.taille(48);
    txt = "pas de victoire";
    p1win = p2win = true;
    p1.status.fixerPrior(0);
    p2.status.fixerPrior(0);
    clear_keybuf();
    clear_bitmap(buffer);
    const int v1 = VieDecisive(p1), v2 = VieDecisive(p2);
    // Ahead: the larger life, or in the enhanced edition the larger share.
    const int avance = v1 <= 0 || v2 <= 0 ? (v1 > v2) - (v1 < v2) : Avance();
    if (avance == 0)
        txt = "match nul";
    if (avance > 0) {
        txt = victoire(p1.pers, true);
        p2.SetAnim(17);
        p2.status.ajouter(repos);
        p2win = false;
    }
    if (avance < 0) {
        txt = victoire(p2.pers, false);
        p1.SetAnim(17);
        p1.status.ajouter(repos);
        p1win = false;
    }
    if (v1 <= 0) {
        p1win = false;
        p1.SetAnim(53);
        p1.status.ajouter(touchetombe);
    }
    if (v2 <= 0) {
        p2win = false;
        p2.SetAnim(53);
        p2.status.ajouter(touchetombe);
    }
    (void)PM;
    SetVitesse(24);   // the last moves play out in slow motion
    stade = -1;
    tps_stade = s;
    fini = false;
    plus.tick_fin = 0;
    plus.annonce = plus.fight = 0;
    if (regles.banniere_d_abord) {
        // The outcome is called at once; the poses and the line follow.
        stade = 0;
        const ObjetGraph& banniere = BanniereFin(PM);
        sonjeu.jouer(1, &banniere == &timeup ? 6 : &banniere == &perfect ? 5 : 4);
    }
}

bool Moteur::TickFinpartie(ParamMoteur* PM)
{
    horloge.avancer();
    ParamLvl& lvl = PM->Parlvl;
    p1.TesteEnvir(lvl);
    p2.TesteEnvir(lvl);
    p1.NewAnim(lvl);
    p2.NewAnim(lvl);
    if (p1.Speencour || p1.nObj != 0)
        p1.SpeEvenSuiv(lvl);
    if (p2.Speencour || p2.nObj != 0)
        p2.SpeEvenSuiv(lvl);
    TesteScrollX(lvl);
    TesteScrollY(lvl);
    TestTremble();
    if (tremble)
        Tremble(lvl);
    p1.NewPos();
    p2.NewPos();
    VieillirEffets();
    if (regles.banniere_d_abord) {
        PhasesFinAmeliorees(lvl);
        return fini;
    }

    if (stade == -1 && s - tps_stade <= 0) {
        stade = 0;
        tps_stade = s;
    }
    if (stade == 0 && s - tps_stade > 2 && p1.touchesol(lvl) && p2.touchesol(lvl)) {
        stade = 1;
        tps_stade = s;
        SetVitesse(6);
        // The winner strikes its pose once everyone is down to earth.
        for (auto [p, gagne] : {std::pair<Perso*, bool>{&p1, p1win}, {&p2, p2win}})
            if (gagne) {
                p->stop();
                p->SetAnim(15);
            }
    }
    if (stade == 1 && s - tps_stade > 2) {
        stade = 2;
        tps_stade = s;
        const ObjetGraph& banniere = BanniereFin(PM);
        sonjeu.jouer(1, &banniere == &timeup ? 6 : &banniere == &perfect ? 5 : 4);
    }
    // Kept in the engine, whoever runs the sequence: it is part of the state.
    if (stade == 2 && s - tps_stade == 3)
        fini = true;
    return fini;
}

void Moteur::PhasesFinAmeliorees(ParamLvl& lvl)
{
    // Stade 0: the banner, the last moves in slow motion, the falls; from
    // 1.5 s on and once both are down to earth, stade 1: the winner poses
    // and its line is shown for two seconds.
    constexpr int32_t TICKS_BANNIERE = 90, TICKS_POSE = 120;
    ++plus.tick_fin;
    if (stade == 0 && plus.tick_fin >= TICKS_BANNIERE && p1.touchesol(lvl) && p2.touchesol(lvl)) {
        stade = 1;
        tps_stade = plus.tick_fin;
        SetVitesse(6);
        for (auto [p, gagne] : {std::pair<Perso*, bool>{&p1, p1win}, {&p2, p2win}})
            if (gagne) {
                p->stop();
                p->SetAnim(15);
            }
    }
    if (stade == 1 && plus.tick_fin - tps_stade >= TICKS_POSE)
        fini = true;
}

bool Moteur::BanniereVisible() const { return regles.banniere_d_abord ? stade == 0 : stade == 2; }

const ObjetGraph& Moteur::BanniereFin(const ParamMoteur*) const
{
    if (stimer <= 0)
        return timeup;
    if (VieDecisive(p1) >= p1.donneesperso.PV || VieDecisive(p2) >= p2.donneesperso.PV)
        return perfect;
    return KO;
}

void Moteur::ImageFinpartie(ParamMoteur* PM)
{
    const ParamLvl& lvl = PM->Parlvl;
    clear_bitmap(buffer);
    lvl.AfficheDecor(buffer);
    AffichPersos(PM);
    AfficheEtincelles(lvl);
    if (BanniereVisible()) {
        // The banner is centred on the view and drawn through the camera.
        ObjetGraph banniere = BanniereFin(PM);
        if (banniere.ObjBmp) {
            banniere.dx = banniere.dy = 0;
            banniere.SetX(lvl.scrollx + 320 - banniere.ObjBmp->w / 2);
            banniere.SetY(lvl.scrolly + 240 + banniere.ObjBmp->h / 2);
            banniere.hflip = false;
            banniere.Affiche(buffer, lvl);
        }
    }
    if (regles.hud_devant) {
        p1.AfficheBarre(buffer);
        p2.AfficheBarre(buffer);
    }
    // The winner's line comes after the banner in the enhanced edition.
    if (!LigneVisible())
        return;
    alfont_textprintf_centre_aa(buffer, font_txt.font, 318, 402, makecol16(0, 0, 0), "%s", txt);
    alfont_textprintf_centre_aa(buffer, font_txt.font, 321, 399, makecol16(0, 0, 0), "%s", txt);
    alfont_textprintf_centre_aa(buffer, font_txt.font, 320, 400, makecol16(66, 191, 84), "%s", txt);
}

void Moteur::ConclureFinpartie()
{
    sonjeu.stop(0, 0);
    font_txt.destroy();
}
