// The enhanced story: a short tale for each fighter, told over four fights
// (the other three fighters, then a stronger double of one's own fighter),
// and how its dialogue screens are laid out.
#ifndef ZEF_RECIT_H
#define ZEF_RECIT_H

#include "../shell/declar.h"

constexpr int NB_CHAPITRES = 4;

struct Chapitre {
    PERSO adversaire;
    STAGE decor;
    const char* fond;                  // the dialogue screen's picture
    const char* recit;                 // what happens (UTF-8)
    const char* replique_heros;
    const char* replique_adversaire;
};

struct Recit {
    Chapitre chapitres[NB_CHAPITRES];
    const char* fin;                   // the ending's text (UTF-8)
    const char* image_fin;
};

const Recit& recit_de(PERSO heros);

// How many points more than the hero an opponent has at chapter `chapitre`
// (0-based): one fewer, as many, one more, then two more for the double.
int ecart_chapitre(int chapitre);

// A rectangle of the dialogue screen (x, y from the top-left corner).
struct Cadre {
    int x, y, w, h;
    bool touche(const Cadre& c) const { return x < c.x + c.w && c.x < x + w && y < c.y + c.h && c.y < y + h; }
};

// Where everything goes on a dialogue screen: text only ever in the boxes,
// none of which covers a portrait.
struct MiseEnPage {
    Cadre portrait[2];     // the hero's on the left, the opponent's on the right
    Cadre recit;           // the narration, across the top
    Cadre replique[2];     // each fighter's line, under its portrait
    Cadre stats;           // the hero's statistics, "+" buttons, the opponent's level
    int y_invite;          // the prompt's line
    int marge;             // inside a box, around its text
};
const MiseEnPage& mise_en_page_recit();

#endif
