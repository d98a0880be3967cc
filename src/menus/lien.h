// What every menu screen shares: buttons of two or three images, the hover
// test on a picture, and drawing the pointer.
#ifndef ZEF_LIEN_H
#define ZEF_LIEN_H

#include <initializer_list>

#include "../graphics/objetgraph.h"
#include "../sound/son.h"

// A button: its normal image (whose rectangle is the hit area) and its
// highlighted one.
class LIEN {
public:
    bool active = false;   // under the pointer: drawn highlighted
    ObjetGraph open;       // highlighted, file ending in 1
    ObjetGraph close;      // normal, file ending in 0

    void init_lien() { active = false; }
    // Loads both images (".../name1.bmp" and ".../name0.bmp") at one place.
    void charger(const char* ouvert, const char* ferme, int x, int y);
    void Destroy();
    // The image for its state, at its screen place.
    void afficher(BITMAP* b) const { (active ? open : close).AfficheEcran(b); }
};

// A three-state button: also a selected image (file ending in 2).
class LIEN2 : public LIEN {
public:
    ObjetGraph set;

    void charger(const char* choisi, const char* ouvert, const char* ferme, int x, int y);
    void Destroy();
    // Hovered always shows the hover image, even when selected.
    void afficher(BITMAP* b, bool choisi) const { (active ? open : choisi ? set : close).AfficheEcran(b); }
};

// Whether the pointer is strictly inside the picture placed on the screen.
bool sous_le_pointeur(const ObjetGraph& obj);

// The hover test with its sound: on entering a picture while the screen's
// flag is down, the hover effect plays once; the flag then stays up.
bool survol_sonore(const ObjetGraph& obj, CANALMENU& son, bool& mouse_over);

// A column of buttons drawn into b with the hover sound: the first one
// under the pointer is active (the others not). The index of the one
// clicked, or -1.
int boutons_cliques(std::initializer_list<LIEN*> liens, BITMAP* b, CANALMENU& son, bool& mouse_over);

// The pointer image at the mouse position.
void dessiner_curseur(BITMAP* b, BITMAP* curseur);

// Every menu screen's off-screen frame and pointer: set up, shown, released.
void creer_cadre(BITMAP*& b, BITMAP*& curseur);
// Draws the pointer, copies the frame to the screen and clears it.
void montrer_cadre(BITMAP* b, BITMAP* curseur);
void liberer_cadre(BITMAP*& b, BITMAP*& curseur);

// Waits for a key to come up, so that it does not act twice (an Escape that
// left a screen must not also quit from the title screen).
void attendre_relache(int touche);

// The menu channel's effects.
enum { EFFET_SURVOL = 0, EFFET_CLIC = 1, EFFET_GONG = 2 };

#endif
