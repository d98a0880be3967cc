// The pause screen of the enhanced edition: Entrée in a fight freezes it
// under a panel (REPRENDRE, LISTE DES COUPS, QUITTER LE COMBAT); the move
// list draws each special move's keys as arrows and buttons.
#ifndef ZEF_PAUSE_H
#define ZEF_PAUSE_H

#include "../engine/parammoteur.h"
#include "../story/texte.h"
#include "lien.h"

enum ChoixPause { PAUSE_AUCUN = -1, PAUSE_REPRENDRE = 0, PAUSE_COUPS = 1, PAUSE_QUITTER = 2 };

// The glyph of a key role in the move list's strip: forward, back, up,
// down, punch, kick; -1 for a role no sequence uses.
int glyphe_du_role(int role);
// The names of the eight special moves, in their order (Latin-1).
const char* nom_coup_special(int c);

class EcranPause {
public:
    ObjetGraph panneau;
    LIEN reprendre, coups, quitter;
    BITMAP* glyphes = nullptr;
    FontClass police;
    BITMAP* b = nullptr;
    BITMAP* curseur = nullptr;
    bool mouse_over = false;

    void init();
    void destroy();
    // Runs over the frozen frame of the fight until the player resumes
    // (Entrée, Escape or REPRENDRE: false) or leaves (QUITTER LE COMBAT: true).
    bool Pause(BITMAP* image, const ParamMoteur& pm, CANALMENU& son);
    // One pass of the panel drawn into b over the image; the choice clicked.
    ChoixPause Passe(BITMAP* image, CANALMENU& son);
    // The move list of fighter p drawn into b over the image.
    void DessinerCoups(BITMAP* image, PERSO p, int joueur);
};

#endif
