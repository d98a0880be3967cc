// The results screen the enhanced edition shows after a versus match: the
// winner's portrait and name, the rounds, and what to do next.
#ifndef ZEF_RESULTATS_H
#define ZEF_RESULTATS_H

#include <string>

#include "../story/texte.h"
#include "lien.h"

enum ChoixResultats { RESULTAT_AUCUN = -1, RESULTAT_REVANCHE = 0, RESULTAT_CHANGER = 1, RESULTAT_MENU = 2 };

// The two lines the screen writes: "<fighter> remporte le match" and the
// rounds, "2 manches à 1" (Latin-1).
struct LignesResultats {
    std::string gagnant, manches;
};
LignesResultats lignes_resultats(PERSO gagnant, int manches_gagnant, int manches_perdant);

class EcranResultats {
public:
    ObjetGraph fond, portrait;
    LIEN revanche, changer, menu;
    FontClass police;
    BITMAP* b = nullptr;
    BITMAP* curseur = nullptr;
    bool mouse_over = false;
    LignesResultats lignes;

    void init(PERSO gagnant, int manches_gagnant, int manches_perdant);
    void destroy();
    // Runs the screen until a choice; Escape is MENU.
    ChoixResultats Choisir(CANALMENU& son);
    // One pass drawn into b; the choice clicked, or RESULTAT_AUCUN.
    ChoixResultats Passe(CANALMENU& son);
};

#endif
