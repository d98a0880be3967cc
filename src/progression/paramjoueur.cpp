#include "paramjoueur.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fichierxp.h"
#include "../shell/ecriture_atomique.h"
#include "../shell/erreur_fatale.h"

namespace {

struct Fichiers {
    const char* xp;
    const char* anim;
};

const Fichiers FICHIERS[] = {
    {"shiz/shiz.xp", "shiz/shiz.p"},
    {"talon/talon.xp", "talon/talon.p"},
    {"vishvakarman/vishvakarman.xp", "vishvakarman/vishvakarman.p"},
    {"panda/panda.xp", "panda/panda.p"},
};

const int TOUCHES_J1[NB_TOUCHES] = {KEY_R, KEY_H, KEY_G, KEY_Y, KEY_T, KEY_S, KEY_W, KEY_D, KEY_A};
const int TOUCHES_J2[NB_TOUCHES] = {KEY_I, KEY_COLON, KEY_L, KEY_P, KEY_O, KEY_DOWN, KEY_UP, KEY_RIGHT, KEY_LEFT};

[[noreturn]] void fermeture_ratee()
{
    // The display is left as it is for this one.
    allegro_message("probleme de fermeture du fichier caracteristique.");
    std::exit(1);
}

}  // namespace

const char* fichier_xp(PERSO p) { return p >= shiz && p <= panda ? FICHIERS[p].xp : nullptr; }

void ParamJoueur::SetPerso(PERSO p)
{
    SetPersoSansXp(p);
    load_xp_file();
}

void ParamJoueur::SetPersoSansXp(PERSO p)
{
    if (p < shiz || p > panda)
        std::exit(1);
    perso = p;
    xp_pathfile = FICHIERS[p].xp;
    p_pathfile = FICHIERS[p].anim;
}

void ParamJoueur::SetKey()
{
    const int* touches = joueur == 1 ? TOUCHES_J1 : joueur == 2 ? TOUCHES_J2 : nullptr;
    if (!touches)
        return;
    for (int i = 0; i < NB_TOUCHES; ++i)
        pkeys[i] = touches[i];
}

void ParamJoueur::load_xp_file()
{
    std::FILE* f = xp_pathfile ? std::fopen(xp_pathfile, "rb") : nullptr;
    if (!f)
        erreur_fatale("probleme d'ouverture du fichier caracteristique.");
    lire_fichier_xp(f, carac);
    if (std::fclose(f) != 0)
        fermeture_ratee();
}

void ParamJoueur::save_xp_file()
{
    carac.niveau = GetNiveau(carac.experience);
    if (!xp_pathfile)
        erreur_fatale("probleme d'ouverture du fichier caracteristique.");
    // Written whole or not at all: a crash keeps the old file.
    switch (ecrire_atomiquement(xp_pathfile, [this](std::FILE* f) { return ecrire_fichier_xp(f, carac); })) {
    case ECRITURE_REUSSIE:
        break;
    case OUVERTURE_RATEE:
        erreur_fatale("probleme d'ouverture du fichier caracteristique.");
    case ECRITURE_RATEE:
        fermeture_ratee();
    }
}

void MENU_XP::init_MENU_XP(int joueur)
{
    const int x = joueur == 1 ? 107 : 521;
    FORp.SetObjetMenu("graphics/plus.bmp", x, 292);
    DEXp.SetObjetMenu("graphics/plus.bmp", x, 276);
    CONp.SetObjetMenu("graphics/plus.bmp", x, 260);
    INTp.SetObjetMenu("graphics/plus.bmp", x, 244);
}

void MENU_XP::Destroy()
{
    FORp.DestroyBitmap();
    DEXp.DestroyBitmap();
    CONp.DestroyBitmap();
    INTp.DestroyBitmap();
}
