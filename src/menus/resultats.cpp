#include "resultats.h"

#include <cstdio>

namespace {

const char* const NOMS[4] = {"shiz", "talon", "vishvakarman", "panda"};
const char* const PORTRAITS[4] = {"graphics/shiz2.bmp", "graphics/talon2.bmp", "graphics/vishvakarman2.bmp",
                                  "graphics/panda2.bmp"};

// Where the background leaves room for them (left edge, height of the top
// edge above the bottom of the screen).
constexpr int PORTRAIT_X = 40, PORTRAIT_Y = 370;
// The two lines are centred on the plate right of the portrait.
constexpr int TEXTE_X = 471, NOM_Y = 126, MANCHES_Y = 172;

struct Bouton {
    LIEN EcranResultats::*lien;
    const char* ouvert;
    const char* ferme;
    int x, y;
    ChoixResultats choix;
};

const Bouton BOUTONS[] = {
    {&EcranResultats::revanche, "graphics/revanche1.bmp", "graphics/revanche0.bmp", 128, 116, RESULTAT_REVANCHE},
    {&EcranResultats::changer, "graphics/changer1.bmp", "graphics/changer0.bmp", 128, 80, RESULTAT_CHANGER},
    {&EcranResultats::menu, "graphics/menu1.bmp", "graphics/menu0.bmp", 128, 44, RESULTAT_MENU},
};

}  // namespace

LignesResultats lignes_resultats(PERSO gagnant, int manches_gagnant, int manches_perdant)
{
    LignesResultats l;
    l.gagnant = std::string(gagnant >= shiz && gagnant <= panda ? NOMS[gagnant] : "") + " remporte le match";
    char manches[48];
    std::snprintf(manches, sizeof manches, "%d manche%s \xe0 %d", manches_gagnant, manches_gagnant > 1 ? "s" : "",
                  manches_perdant);
    l.manches = manches;
    return l;
}

void EcranResultats::init(PERSO gagnant, int manches_gagnant, int manches_perdant)
{
    lignes = lignes_resultats(gagnant, manches_gagnant, manches_perdant);
    fond.SetObjetMenu("graphics/resultats.bmp", 0, 0);
    portrait.SetObjet(PORTRAITS[gagnant >= shiz && gagnant <= panda ? gagnant : 0], PORTRAIT_X, PORTRAIT_Y, false);
    for (const Bouton& bt : BOUTONS) {
        (this->*bt.lien).init_lien();
        (this->*bt.lien).charger(bt.ouvert, bt.ferme, bt.x, bt.y);
    }
    police.charger("graphics/chinyen.ttf");
    police.taille(28);
    mouse_over = false;
    creer_cadre(b, curseur);
}

void EcranResultats::destroy()
{
    fond.DestroyBitmap();
    portrait.DestroyBitmap();
    for (const Bouton& bt : BOUTONS)
        (this->*bt.lien).Destroy();
    police.destroy();
    liberer_cadre(b, curseur);
}

ChoixResultats EcranResultats::Passe(CANALMENU& son)
{
    fond.AfficheFond(b);
    portrait.AfficheEcran(b);
    const int blanc = makecol(255, 255, 255), or_ = makecol(239, 233, 83);
    police.taille(28);
    alfont_textprintf_centre_aa(b, police.font, TEXTE_X, NOM_Y, or_, "%s", lignes.gagnant.c_str());
    police.taille(22);
    alfont_textprintf_centre_aa(b, police.font, TEXTE_X, MANCHES_Y, blanc, "%s", lignes.manches.c_str());
    const int i = boutons_cliques({&revanche, &changer, &menu}, b, son, mouse_over);
    return i < 0 ? RESULTAT_AUCUN : BOUTONS[i].choix;
}

ChoixResultats EcranResultats::Choisir(CANALMENU& son)
{
    for (;;) {
        poll_keyboard();
        if (key[KEY_ESC]) {
            attendre_relache(KEY_ESC);
            return RESULTAT_MENU;
        }
        const ChoixResultats choix = Passe(son);
        montrer_cadre(b, curseur);
        if (choix != RESULTAT_AUCUN) {
            son.jouer(1, EFFET_CLIC);
            while (mouse_b & 1)
                rest(10);
            return choix;
        }
    }
}
