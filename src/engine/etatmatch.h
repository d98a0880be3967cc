// A match in progress as a plain value: the engine's fields, both fighters
// (animation cursors, state sets, key histories and pending combos, the
// CPU's strategy, projectile, life, mana, drain), the camera, the clocks,
// the round counters and the generator. Saved and restored by the engine
// (Moteur::Sauver, Moteur::Restaurer) within one match: the fighters' copies
// point into the frames that match loaded, which never change while it runs.
#ifndef ZEF_ETATMATCH_H
#define ZEF_ETATMATCH_H

#include "../fighter/perso.h"
#include "../shell/alea.h"
#include "etatameliore.h"
#include "horloge.h"

struct EtatMatch {
    Perso p1, p2;
    int32_t stimer = 0, secondes = 0, priorP = 0, nbround = 0, nbwinp1 = 0, nbwinp2 = 0;
    bool p1touche = false, p2touche = false, tremble = false;
    int32_t ftremb = 0, ttremble = 0, vitesse = 0;
    int coups[2] = {0, 0};
    bool nouvelle_image_p1 = false, nouvelle_image_p2 = false;
    // The round-end sequence.
    const char* txt = "";
    bool p1win = false, p2win = false, fini = false;
    int stade = 0;
    int32_t tps_stade = 0;
    Horloge horloge{false};
    Alea alea{1};
    int32_t scrollx = 0, scrolly = 0;
    int32_t t = 0, s = 0;   // the fight's clocks (global counters)
    int64_t tick_match = 0;
    EtatAmeliore plus;
};

#endif
