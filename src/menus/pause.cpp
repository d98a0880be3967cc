#include "pause.h"

#include <cstdio>

#include "../control/input.h"
#include "../graphics/fichierbmp.h"

namespace {

// The panel's place, and its buttons stacked inside it (left edge, height
// of the top edge above the bottom of the screen).
constexpr int PANNEAU_X = 110, PANNEAU_HAUT = 70;
constexpr int GLYPHE = 28;   // the strip's square cells

struct Bouton {
    LIEN EcranPause::*lien;
    const char* ouvert;
    const char* ferme;
    int x, y;
    ChoixPause choix;
};

const Bouton BOUTONS[] = {
    {&EcranPause::reprendre, "graphics/reprendre1.bmp", "graphics/reprendre0.bmp", 170, 290, PAUSE_REPRENDRE},
    {&EcranPause::coups, "graphics/coups1.bmp", "graphics/coups0.bmp", 170, 230, PAUSE_COUPS},
    {&EcranPause::quitter, "graphics/quitter_combat1.bmp", "graphics/quitter_combat0.bmp", 170, 170, PAUSE_QUITTER},
};

const char* const NOMS_COUPS[8] = {"Coup sp\xe9" "cial poing 1", "Coup sp\xe9" "cial poing 2",
                                   "Coup sp\xe9" "cial pied 1",  "Coup sp\xe9" "cial pied 2",
                                   "Super concentr\xe9",         "Super v\xe9n\xe8re",
                                   "M\xe9ga concentr\xe9",       "M\xe9ga v\xe9n\xe8re"};

// The fight, darkened, under whatever the pause draws.
void assombrir(BITMAP* b, BITMAP* image)
{
    if (image)
        blit(image, b, 0, 0, 0, 0, 640, 480);
    drawing_mode(DRAW_MODE_TRANS, nullptr, 0, 0);
    set_trans_blender(0, 0, 0, 140);
    rectfill(b, 0, 0, 639, 479, makecol(0, 0, 0));
    solid_mode();
}


}  // namespace

int glyphe_du_role(int role)
{
    switch (role) {
    case TOUCHE_DROITE:
        return 0;
    case TOUCHE_GAUCHE:
        return 1;
    case TOUCHE_HAUT:
        return 2;
    case TOUCHE_BAS:
        return 3;
    case TOUCHE_PUNCH_FORT:
    case TOUCHE_PUNCH_LEGER:
        return 4;
    case TOUCHE_KICK_FORT:
    case TOUCHE_KICK_LEGER:
        return 5;
    default:
        return -1;
    }
}

const char* nom_coup_special(int c) { return c >= 0 && c < 8 ? NOMS_COUPS[c] : ""; }

void EcranPause::init()
{
    panneau.SetObjetMenu("graphics/pause.bmp", PANNEAU_X, 480 - PANNEAU_HAUT);
    for (const Bouton& bt : BOUTONS) {
        (this->*bt.lien).init_lien();
        (this->*bt.lien).charger(bt.ouvert, bt.ferme, bt.x, bt.y);
    }
    glyphes = charger_bmp("graphics/commandes.bmp", nullptr);
    police.charger("graphics/chinyen.ttf");
    police.taille(16);
    mouse_over = false;
    creer_cadre(b, curseur);
}

void EcranPause::destroy()
{
    panneau.DestroyBitmap();
    for (const Bouton& bt : BOUTONS)
        (this->*bt.lien).Destroy();
    if (glyphes)
        destroy_bitmap(glyphes);
    glyphes = nullptr;
    police.destroy();
    liberer_cadre(b, curseur);
}

ChoixPause EcranPause::Passe(BITMAP* image, CANALMENU& son)
{
    assombrir(b, image);
    if (panneau.ObjBmp)
        draw_sprite(b, panneau.ObjBmp, PANNEAU_X, PANNEAU_HAUT);
    const int i = boutons_cliques({&reprendre, &coups, &quitter}, b, son, mouse_over);
    return i < 0 ? PAUSE_AUCUN : BOUTONS[i].choix;
}

void EcranPause::DessinerCoups(BITMAP* image, PERSO p, int joueur)
{
    assombrir(b, image);
    if (panneau.ObjBmp) {
        draw_sprite(b, panneau.ObjBmp, PANNEAU_X, PANNEAU_HAUT);
        // The list takes the buttons' place, on the panel's own ground.
        const int fond = getpixel(panneau.ObjBmp, 40, 200);
        rectfill(b, PANNEAU_X + 16, PANNEAU_HAUT + 96, PANNEAU_X + panneau.ObjBmp->w - 17,
                 PANNEAU_HAUT + panneau.ObjBmp->h - 14, fond);
    }
    const int blanc = makecol(255, 255, 255), or_ = makecol(239, 233, 83);
    char titre[64];
    std::snprintf(titre, sizeof titre, "LISTE DES COUPS - JOUEUR %d", joueur);
    alfont_textprintf_centre_aa(b, police.font, 320, PANNEAU_HAUT + 98, or_, "%s", titre);
    for (int c = 0; c < 8; ++c) {
        const int y = PANNEAU_HAUT + 122 + c * 26;
        int roles[5];
        bool en_saut = false;
        const int n = sequence_combo(p, c, roles, &en_saut);
        alfont_textout_aa(b, police.font, nom_coup_special(c), PANNEAU_X + 30, y + 5, blanc);
        for (int i = 0; i < n && glyphes; ++i) {
            const int g = glyphe_du_role(roles[i]);
            if (g >= 0)
                masked_blit(glyphes, b, g * GLYPHE, 0, PANNEAU_X + 215 + i * (GLYPHE + 2), y, GLYPHE, GLYPHE);
        }
        if (en_saut)
            alfont_textout_aa(b, police.font, "(air)", PANNEAU_X + 215 + n * (GLYPHE + 2) + 4, y + 5, or_);
    }
}

bool EcranPause::Pause(BITMAP* image, const ParamMoteur& pm, CANALMENU& son)
{
    attendre_relache(KEY_ENTER);
    clear_keybuf();
    for (;;) {
        // Read from the keyboard's buffer: a tap between two frames counts.
        if (keypressed()) {
            const int k = readkey() >> 8;
            if (k == KEY_ENTER || k == KEY_ESC) {
                attendre_relache(k);
                clear_keybuf();
                return false;
            }
        }
        const ChoixPause choix = Passe(image, son);
        montrer_cadre(b, curseur);
        if (choix == PAUSE_AUCUN)
            continue;
        son.jouer(1, EFFET_CLIC);
        while (mouse_b & 1)
            rest(10);
        if (choix == PAUSE_REPRENDRE)
            return false;
        if (choix == PAUSE_QUITTER)
            return true;
        // The move list of each human side, one after the other; a key or
        // a click turns the page.
        for (int cote = 0; cote < 2; ++cote) {
            const ParamJoueur& j = cote == 0 ? pm.parP1 : pm.parP2;
            if (j.control == CONTROLE_CPU && !(cote == 0 && pm.parP2.control == CONTROLE_CPU))
                continue;
            clear_keybuf();
            for (;;) {
                DessinerCoups(image, j.perso, cote + 1);
                montrer_cadre(b, curseur);
                if (keypressed() || (mouse_b & 1))
                    break;
                rest(5);
            }
            while (mouse_b & 1)
                rest(10);
            clear_keybuf();
            if (pm.parP2.control == CONTROLE_CPU || pm.parP1.control == CONTROLE_CPU)
                break;
        }
    }
}
