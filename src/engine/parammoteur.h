// The match parameters: what the menus hand to the fight engine, and what
// outlives a match (the winner, the progression switch).
#ifndef ZEF_PARAMMOTEUR_H
#define ZEF_PARAMMOTEUR_H

#include <cstdint>

#include "../progression/paramjoueur.h"
#include "../shell/declar.h"

struct ParamMoteur {
    bool ModeEvolution = false;
    ModeDeJeux ModeDeJeu = mode_versus;
    int32_t winner = 0;
    ParamJoueur parP1;
    ParamJoueur parP2;
};

#endif
