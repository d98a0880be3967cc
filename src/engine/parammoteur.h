// The match parameters: what the menus hand to the fight engine, and what
// outlives a match (the winner, the progression switch).
#ifndef ZEF_PARAMMOTEUR_H
#define ZEF_PARAMMOTEUR_H

#include <cstdint>

#include "../graphics/paramlvl.h"
#include "../progression/paramjoueur.h"
#include "../shell/declar.h"
#include "../shell/edition.h"

struct ParamMoteur {
    bool ModeEvolution = false;       // progression: experience shown, awarded, saved
    Edition edition = Edition::classique;   // the rules the matches play by
    ModeDeJeux ModeDeJeu = mode_versus;
    int32_t winner = 0;               // side that won the last completed match
    ParamJoueur parP1;
    ParamJoueur parP2;
    ParamLvl Parlvl;                  // the stage, its background and the camera
};

#endif
