// The display: the game draws 640x480 frames, shown in a window 1, 2 or 3
// times that size or in full screen at the desktop's own resolution (the
// picture as large as fits, 4:3, centred). F11 or Alt+Enter switch between
// window and full screen at any moment; the choice is kept in zef-plus.ini.
#ifndef ZEF_AFFICHAGE_H
#define ZEF_AFFICHAGE_H

#include <allegro.h>

#include "agrandissement.h"
#include "cadrage.h"
#include "edition.h"

struct ReglageAffichage {
    // A first start opens a window as large as fits: full screen is one key
    // away, and a desktop's other windows stay at hand.
    bool plein_ecran = false;
    int facteur = 0;   // the window's; 0: the largest that fits
    Lissage lissage = Lissage::net;
};

// The keys of zef-plus.ini; anything unreadable gives the default.
ReglageAffichage lire_reglage_affichage(const char* chemin = FICHIER_EDITION);
bool ecrire_reglage_affichage(const ReglageAffichage& r, const char* chemin = FICHIER_EDITION);

// Opens the display the setting asks for, or the nearest one that opens
// (full screen, then the window, then smaller windows). False when none does.
bool ouvrir_affichage(const ReglageAffichage& r);
// The window again, after a message box took the display away.
void revenir_en_fenetre();

// Shows a finished frame, scaled; switches window and full screen first if
// F11 or Alt+Enter was pressed since the last frame.
void presenter(BITMAP* image);

// Whether Alt is down: with Entrée it is the display's key, not the game's.
bool alt_tenu();

// The pointer in the game's 640x480 coordinates, whatever the scale.
int souris_x();
int souris_y();

#endif
