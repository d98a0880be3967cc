// The computer player: keeps one strategy until its end condition holds,
// then weighs the seven strategies by distance and by both fighters' states
// and draws one; the action it repeats is drawn with the strategy.
#ifndef ZEF_IA_H
#define ZEF_IA_H

#include <cstdint>

#include "../fighter/etatperso.h"
#include "../shell/alea.h"
#include "input.h"

enum Strategie { donnerAttaque = 0, approcher, donnerCoupSpe, defendre, etreDefensif, taunter, attendre, NB_STRATEGIES };

struct INFOADV {
    int dist = 0;        // horizontal distance between the fighters
    int Position = 0;    // the opponent's x
    bool b = false;      // not filled
    CETAT status;
};

struct INFO {
    int Position = 0;
    int mana = 0;
    bool b = false;      // faces left
    CETAT status;
    INFOADV adv;
};

class IA {
public:
    Strategie st = attendre;
    int StrategiePonderee[NB_STRATEGIES] = {};
    int aleat = 0;
    int32_t timepond = 0;
    int32_t timestrat = 0;
    int vitIA = 30;
    Alea* alea = &alea_hors_match();   // the match's, once in a match

    void initIA();
    actionperso QuelleAction(INFO info);
    bool FinStrategie(Strategie s, const INFO& info) const;
    void PondererStrategie(const INFO& info);
    void SetPond(int a, int b, int c, int d, int e, int f, int g);
    Strategie NvlStrategie();
    void Resumer(Somme& h) const
    {
        h.ajouter({st, aleat, timepond, timestrat, vitIA});
        for (int p : StrategiePonderee)
            h.ajouter(int64_t(p));
    }

private:
    actionperso Action(const INFO& info);
};

#endif
