// A human player's controls: the nine keys (or the first joystick mapped on
// them) read into one action code per game step, with a short key history
// in which the fighter's combo sequences are recognised.
#ifndef ZEF_INPUT_H
#define ZEF_INPUT_H

#include <cstdint>

#include "../progression/paramjoueur.h"

enum actionperso {
    rien = 0, G, D, B, BG, BD, H, HG, HD,
    punL, punF, pieL, pieF,
    spe, speG, speD,
    csp1, csp2, csk1, csk2, scc, scv, mcc, mcv
};

// A combo's action code is its index in the table plus this.
constexpr int PREMIER_COMBO = csp1;

// The keys of a side held at one tick, one bit per key role (TOUCHE_...).
using Touches = uint16_t;

// What side p holds now: its keyboard keys, or its joystick read as them.
Touches lire_touches(const ParamJoueur& p);

struct COMBO {
    int nbtouches = 0;     // keys in the sequence, at most 7
    int touches[7] = {};   // key codes, oldest first
    bool enSaut = false;   // may be released while airborne
};

class INPUT {
public:
    static constexpr int MAX_TOUCHES = 7;

    int nbcombo = 0;
    int32_t t0 = 0;           // t at the last committed key or history reset
    COMBO combos[11];
    int nbkeys = 0;           // committed keys in the history
    int keys[MAX_TOUCHES] = {};

    void init_combo(const ParamJoueur& p);
    Touches lues = 0;         // the keys the last read found held

    // One read of the controls. b: the fighter faces left.
    actionperso GetTouche(const ParamJoueur& p, bool b);
    // The same from keys given (a replay's).
    actionperso GetTouche(const ParamJoueur& p, bool b, Touches tenues);
    static void QuelToucheJoy(const ParamJoueur& p);
    // Records key a (-1: none held) in the history.
    void stockeclavier(const ParamJoueur& p, int a);
    actionperso testcombo(bool retourne, const ParamJoueur& p);
    bool peutEnSaut(actionperso a) const { return combos[a - PREMIER_COMBO].enSaut; }
    // The key history and the combos it is matched against.
    void Resumer(Somme& h) const
    {
        h.ajouter({nbcombo, t0, nbkeys});
        for (int k : keys)
            h.ajouter(int64_t(k));
        for (const COMBO& c : combos) {
            h.ajouter({c.nbtouches, c.enSaut});
            for (int k : c.touches)
                h.ajouter(int64_t(k));
        }
    }
};

#endif
