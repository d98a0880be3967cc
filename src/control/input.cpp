#include "input.h"

#include "appuis_clavier.h"

namespace {

// A combo is written with the roles of the keys, for a fighter facing right
// (right is forward). P is the strong punch key, which a light punch also
// matches; K the strong kick key, likewise.
enum Role { R = TOUCHE_DROITE, L = TOUCHE_GAUCHE, U = TOUCHE_HAUT, Dn = TOUCHE_BAS, P = TOUCHE_PUNCH_FORT,
            K = TOUCHE_KICK_FORT, FIN = -1 };

struct Sequence {
    int roles[5];
    bool enSaut;
};

constexpr int NB_COMBOS = 8;

// In the order of the special moves: csp1, csp2, csk1, csk2, scc, scv, mcc, mcv.
const Sequence SHIZ[NB_COMBOS] = {
    {{R, R, P, FIN}, false},     {{Dn, R, P, FIN}, false},    {{R, R, K, FIN}, false},
    {{Dn, R, K, FIN}, false},    {{L, R, P, FIN}, false},     {{L, L, P, FIN}, false},
    {{R, Dn, R, P, FIN}, false}, {{L, Dn, R, K, FIN}, false},
};
const Sequence TALON[NB_COMBOS] = {
    {{Dn, R, P, FIN}, false},    {{R, R, P, FIN}, false},     {{U, Dn, K, FIN}, true},
    {{Dn, U, K, FIN}, true},     {{Dn, L, K, FIN}, false},    {{L, R, P, FIN}, false},
    {{R, Dn, R, P, FIN}, false}, {{L, Dn, R, P, FIN}, false},
};
const Sequence VISHVAKARMAN[NB_COMBOS] = {
    {{Dn, R, P, FIN}, false},    {{R, R, P, FIN}, false},     {{Dn, Dn, K, FIN}, true},
    {{R, Dn, L, FIN}, false},    {{Dn, L, K, FIN}, false},    {{L, R, P, FIN}, false},
    {{R, Dn, R, P, FIN}, false}, {{L, Dn, R, P, FIN}, false},
};
// The panda's own sequences, so that a human panda can release its special
// moves too: its palm strikes go forward, its rolling kicks come from a
// crouch, its Mega moves share the others' shapes.
const Sequence PANDA[NB_COMBOS] = {
    {{Dn, R, P, FIN}, false},    {{R, R, P, FIN}, false},     {{Dn, R, K, FIN}, false},
    {{L, R, K, FIN}, false},     {{Dn, L, P, FIN}, false},    {{L, L, P, FIN}, false},
    {{R, Dn, R, P, FIN}, false}, {{L, Dn, R, K, FIN}, false},
};

const Sequence* TABLES[] = {SHIZ, TALON, VISHVAKARMAN, PANDA};

}  // namespace

int sequence_combo(PERSO p, int c, int roles[5], bool* en_saut)
{
    if (p < shiz || p > panda || c < 0 || c >= NB_COMBOS)
        return 0;
    const Sequence& s = TABLES[p][c];
    int n = 0;
    while (n < 5 && s.roles[n] != FIN) {
        roles[n] = s.roles[n];
        ++n;
    }
    if (en_saut)
        *en_saut = s.enSaut;
    return n;
}

void INPUT::init_combo(const ParamJoueur& p)
{
    t0 = t;
    nbkeys = 0;
    nbappuis = 0;
    precedentes = 0;
    lecture = 0;
    nbcombo = NB_COMBOS;
    for (COMBO& c : combos)
        c = COMBO();
    if (p.perso < shiz || p.perso > panda)
        return;   // no sequences: a count of 0 never matches
    const Sequence* table = TABLES[p.perso];
    for (int c = 0; c < NB_COMBOS; ++c) {
        COMBO& combo = combos[c];
        for (int i = 0; i < 5 && table[c].roles[i] != FIN; ++i)
            combo.touches[combo.nbtouches++] = p.pkeys[table[c].roles[i]];
        combo.enSaut = table[c].enSaut;
    }
}

Touches lire_touches(const ParamJoueur& p)
{
    if (p.control == CONTROLE_JOYSTICK && (p.joueur == 1 || p.joueur == 2))
        INPUT::QuelToucheJoy(p);
    Touches tenues = 0;
    // A tap that came and went since the last read counts as held now.
    const bool guettes = appuis_guettes();
    for (int role = 0; role < NB_TOUCHES; ++role)
        if (key[p.pkeys[role]] || (guettes && appuye_depuis(p.pkeys[role])))
            tenues |= 1u << role;
    return tenues;
}

actionperso INPUT::GetTouche(const ParamJoueur& p, bool b) { return GetTouche(p, b, lire_touches(p)); }

actionperso INPUT::GetTouche(const ParamJoueur& p, bool b, Touches tenues)
{
    lues = tenues;
    const auto tenu = [tenues](int role) { return (tenues >> role & 1) != 0; };
    struct Cas {
        bool tenu;
        int stocke;
        actionperso code;
    };
    // Attack keys win over directions; only one key is stored per call.
    const Cas cas[] = {
        {tenu(TOUCHE_PUNCH_LEGER), TOUCHE_PUNCH_LEGER, punL},
        {tenu(TOUCHE_PUNCH_FORT), TOUCHE_PUNCH_FORT, punF},
        {tenu(TOUCHE_KICK_LEGER), TOUCHE_KICK_LEGER, pieL},
        {tenu(TOUCHE_KICK_FORT), TOUCHE_KICK_FORT, pieF},
        {tenu(TOUCHE_DROITE) && tenu(TOUCHE_HAUT), TOUCHE_HAUT, HD},
        {tenu(TOUCHE_GAUCHE) && tenu(TOUCHE_HAUT), TOUCHE_HAUT, HG},
        {tenu(TOUCHE_SPECIAL) && tenu(TOUCHE_GAUCHE), TOUCHE_GAUCHE, speG},
        {tenu(TOUCHE_SPECIAL) && tenu(TOUCHE_DROITE), TOUCHE_DROITE, speD},
        {tenu(TOUCHE_SPECIAL), TOUCHE_SPECIAL, spe},
        {tenu(TOUCHE_DROITE) && tenu(TOUCHE_BAS), TOUCHE_BAS, BD},
        {tenu(TOUCHE_GAUCHE) && tenu(TOUCHE_BAS), TOUCHE_BAS, BG},
        {tenu(TOUCHE_DROITE), TOUCHE_DROITE, D},
        {tenu(TOUCHE_GAUCHE), TOUCHE_GAUCHE, G},
        {tenu(TOUCHE_HAUT), TOUCHE_HAUT, H},
        {tenu(TOUCHE_BAS), TOUCHE_BAS, B},
    };
    for (const Cas& c : cas)
        if (c.tenu) {
            stockeclavier(p, p.pkeys[c.stocke]);
            const actionperso combo = testcombo(b, p);
            return combo != rien ? combo : c.code;
        }
    stockeclavier(p, -1);
    return rien;
}

void INPUT::QuelToucheJoy(const ParamJoueur& p)
{
    // Without a joystick the keyboard keeps working rather than going dead.
    if (num_joysticks < 1)
        return;
    poll_joystick();
    const JOYSTICK_INFO& j = joy[0];
    const JOYSTICK_AXIS_INFO& horizontal = j.stick[0].axis[0];
    const JOYSTICK_AXIS_INFO& vertical = j.stick[0].axis[1];
    const auto bouton = [&j](int b) { return b < j.num_buttons && j.button[b].b; };
    key[p.pkeys[TOUCHE_GAUCHE]] = horizontal.d1 ? 1 : 0;
    key[p.pkeys[TOUCHE_DROITE]] = horizontal.d2 ? 1 : 0;
    key[p.pkeys[TOUCHE_HAUT]] = vertical.d1 ? 1 : 0;
    key[p.pkeys[TOUCHE_BAS]] = vertical.d2 ? 1 : 0;
    key[p.pkeys[TOUCHE_PUNCH_LEGER]] = bouton(0) ? 1 : 0;
    key[p.pkeys[TOUCHE_PUNCH_FORT]] = bouton(1) ? 1 : 0;
    key[p.pkeys[TOUCHE_KICK_LEGER]] = bouton(2) ? 1 : 0;
    key[p.pkeys[TOUCHE_KICK_FORT]] = bouton(3) ? 1 : 0;
    key[p.pkeys[TOUCHE_SPECIAL]] = bouton(4) ? 1 : 0;
}

void INPUT::stockeclavier(const ParamJoueur&, int a)
{
    if (a != -1 && nbkeys < MAX_TOUCHES) {
        keys[nbkeys] = a;
        // A held key is committed again every 16 ticks; a quicker one only
        // overwrites the pending slot.
        if (t - t0 > 15) {
            ++nbkeys;
            t0 = t;
        }
    } else if (t - t0 > 35) {
        // A pause (or a full history) forgets the sequence.
        nbkeys = 0;
        t0 = t;
    }
}

int touche_lue(int touche, bool retourne, const ParamJoueur& p)
{
    if (retourne && touche == p.pkeys[TOUCHE_GAUCHE])
        return p.pkeys[TOUCHE_DROITE];
    if (retourne && touche == p.pkeys[TOUCHE_DROITE])
        return p.pkeys[TOUCHE_GAUCHE];
    if (touche == p.pkeys[TOUCHE_PUNCH_LEGER])
        return p.pkeys[TOUCHE_PUNCH_FORT];
    if (touche == p.pkeys[TOUCHE_KICK_LEGER])
        return p.pkeys[TOUCHE_KICK_FORT];
    return touche;
}

actionperso INPUT::testcombo(bool retourne, const ParamJoueur& p)
{
    const auto lu = [&](int touche) { return touche_lue(touche, retourne, p); };
    for (int c = 0; c < nbcombo; ++c) {
        const COMBO& combo = combos[c];
        if (combo.nbtouches == 0 || combo.nbtouches != nbkeys)
            continue;
        bool egal = true;
        for (int i = 0; i < nbkeys && egal; ++i)
            egal = lu(keys[i]) == combo.touches[i];
        if (egal) {
            nbkeys = 0;
            return static_cast<actionperso>(c + PREMIER_COMBO);
        }
    }
    return rien;
}
