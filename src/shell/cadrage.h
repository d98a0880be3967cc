// Where the game's 640x480 picture lands on the display, and the way back
// for the mouse. In a window the picture is 1, 2 or 3 times its size; in full
// screen it is as large as the display allows with its 4:3 shape kept,
// centred between black bars.
#ifndef ZEF_CADRAGE_H
#define ZEF_CADRAGE_H

constexpr int LARGEUR_JEU = 640;
constexpr int HAUTEUR_JEU = 480;
constexpr int FACTEUR_MAX = 3;

struct Cadrage {
    int x = 0, y = 0;                  // top-left corner on the display
    int largeur = LARGEUR_JEU, hauteur = HAUTEUR_JEU;

    bool a_l_echelle_un() const { return largeur == LARGEUR_JEU && hauteur == HAUTEUR_JEU; }
};

// A window N times the game's size (N from 1 to FACTEUR_MAX).
Cadrage cadre_fenetre(int facteur);
// The largest 4:3 picture on a display of that size, centred.
Cadrage cadre_plein_ecran(int largeur_ecran, int hauteur_ecran);
// The largest factor whose window fits in that free area of the desktop
// (a window's title bar included); 1 when none does.
int facteur_qui_tient(int largeur_libre, int hauteur_libre);

// A display point in the game's coordinates, kept inside the picture: the
// menus see 640x480 whatever the scale, and a pointer over a bar stays at
// the picture's edge.
void vers_le_jeu(const Cadrage& c, int& x, int& y);

#endif
