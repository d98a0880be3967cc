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

// What a key of the history stands for in a sequence written facing right:
// forward and back swapped for a fighter facing left, light attacks read as
// their strong key.
int touche_lue(int touche, bool retourne, const ParamJoueur& p);

// The keys of fighter p's special move c (0..7, in the order csp1..mcv) as
// roles (TOUCHE_...), facing right, attacks as their strong key; how many,
// and whether it can be released in the air.
int sequence_combo(PERSO p, int c, int roles[5], bool* en_saut = nullptr);

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

    // The enhanced reading (see edition.h): keys as presses and releases,
    // ticks counted by the reads themselves.
    struct Appui {
        int32_t touche = -1;    // key code
        int32_t appui = 0;      // read at which it went down
        int32_t relache = -1;   // read at which it came up, -1 while held
    };
    static constexpr int NB_APPUIS = 8;
    // Reads allowed between a key's release (or its press while it is still
    // held) and the next press of a sequence: about 250 ms.
    static constexpr int32_t ECART_MAX = 15;
    // An attack key pressed this many reads before the sequence's last
    // direction still counts as pressed after it.
    static constexpr int32_t GRACE = 4;
    Appui appuis[NB_APPUIS];   // the latest presses, oldest first
    int nbappuis = 0;
    Touches precedentes = 0;   // what the last read held
    int32_t lecture = 0;       // reads so far
    actionperso GetToucheAppuis(const ParamJoueur& p, bool b, Touches tenues);
    // The special move whose sequence the latest presses make, or rien.
    actionperso combo_des_appuis(bool retourne, const ParamJoueur& p) const;
    bool peutEnSaut(actionperso a) const { return combos[a - PREMIER_COMBO].enSaut; }
    // The key history and the combos it is matched against.
    void Resumer(Somme& h) const
    {
        h.ajouter({nbcombo, t0, nbkeys, nbappuis, precedentes, lecture});
        for (const Appui& a : appuis)
            h.ajouter({a.touche, a.appui, a.relache});
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
