// The enhanced edition's reading of the keys: every press is remembered with
// when it came and when its key was let go, and a special move's sequence
// is recognised from the presses alone, however long or short each one was.
#include "input.h"

namespace {

bool est_attaque(int touche, const ParamJoueur& p)
{
    for (int role : {TOUCHE_PUNCH_LEGER, TOUCHE_PUNCH_FORT, TOUCHE_KICK_LEGER, TOUCHE_KICK_FORT})
        if (touche == p.pkeys[role])
            return true;
    return false;
}

// The presses of a sequence, in time order, came close enough together.
bool assez_proches(const INPUT::Appui* a, int n)
{
    for (int i = 0; i + 1 < n; ++i) {
        const int32_t libre = a[i].relache >= 0 ? a[i].relache : a[i + 1].appui;
        if (a[i + 1].appui - libre > INPUT::ECART_MAX)
            return false;
    }
    return true;
}

}  // namespace

actionperso INPUT::GetToucheAppuis(const ParamJoueur& p, bool b, Touches tenues)
{
    lues = tenues;
    ++lecture;
    const Touches appuyees = tenues & ~precedentes;
    const Touches relachees = precedentes & ~tenues;
    precedentes = tenues;
    for (int i = 0; i < nbappuis; ++i)
        for (int role = 0; role < NB_TOUCHES; ++role)
            if ((relachees >> role & 1) && appuis[i].relache < 0 && appuis[i].touche == p.pkeys[role])
                appuis[i].relache = lecture;

    // Attack keys first, so that a sequence ending on one is tested with it
    // last; then the others, in the order of the roles.
    static constexpr int ORDRE[NB_TOUCHES] = {TOUCHE_BAS,        TOUCHE_HAUT,       TOUCHE_DROITE,
                                              TOUCHE_GAUCHE,     TOUCHE_SPECIAL,    TOUCHE_PUNCH_LEGER,
                                              TOUCHE_PUNCH_FORT, TOUCHE_KICK_LEGER, TOUCHE_KICK_FORT};
    actionperso combo = rien;
    actionperso attaque = rien;
    for (int role : ORDRE) {
        if (!(appuyees >> role & 1))
            continue;
        if (nbappuis == NB_APPUIS) {
            for (int i = 1; i < NB_APPUIS; ++i)
                appuis[i - 1] = appuis[i];
            --nbappuis;
        }
        appuis[nbappuis++] = {p.pkeys[role], lecture, -1};
        const actionperso c = combo_des_appuis(b, p);
        if (c != rien)
            combo = c;
        if (attaque == rien) {
            if (role == TOUCHE_PUNCH_LEGER)
                attaque = punL;
            else if (role == TOUCHE_PUNCH_FORT)
                attaque = punF;
            else if (role == TOUCHE_KICK_LEGER)
                attaque = pieL;
            else if (role == TOUCHE_KICK_FORT)
                attaque = pieF;
        }
    }
    if (combo != rien) {
        nbappuis = 0;
        return combo;
    }
    if (attaque != rien)
        return attaque;
    // Without a new attack, the directions and the special key held.
    const auto tenu = [tenues](int role) { return (tenues >> role & 1) != 0; };
    struct Cas {
        bool tenu;
        actionperso code;
    };
    const Cas cas[] = {
        {tenu(TOUCHE_DROITE) && tenu(TOUCHE_HAUT), HD},    {tenu(TOUCHE_GAUCHE) && tenu(TOUCHE_HAUT), HG},
        {tenu(TOUCHE_SPECIAL) && tenu(TOUCHE_GAUCHE), speG}, {tenu(TOUCHE_SPECIAL) && tenu(TOUCHE_DROITE), speD},
        {tenu(TOUCHE_SPECIAL), spe},                          {tenu(TOUCHE_DROITE) && tenu(TOUCHE_BAS), BD},
        {tenu(TOUCHE_GAUCHE) && tenu(TOUCHE_BAS), BG},        {tenu(TOUCHE_DROITE), D},
        {tenu(TOUCHE_GAUCHE), G},                             {tenu(TOUCHE_HAUT), H},
        {tenu(TOUCHE_BAS), B},
    };
    for (const Cas& c : cas)
        if (c.tenu)
            return c.code;
    return rien;
}

actionperso INPUT::combo_des_appuis(bool retourne, const ParamJoueur& p) const
{
    for (int c = 0; c < nbcombo; ++c) {
        const COMBO& combo = combos[c];
        const int n = combo.nbtouches;
        if (n == 0 || n > nbappuis)
            continue;
        const Appui* derniers = appuis + nbappuis - n;
        if (!assez_proches(derniers, n))
            continue;
        const auto dans_l_ordre = [&](int i) {
            // The grace: an attack key pressed just before the last key of
            // a sequence that ends on an attack is read as if after it.
            const bool echange = i >= n - 2 && n >= 2 && est_attaque(derniers[n - 2].touche, p) &&
                                 !est_attaque(derniers[n - 1].touche, p) &&
                                 derniers[n - 1].appui - derniers[n - 2].appui <= GRACE;
            return echange ? derniers[i == n - 1 ? n - 2 : n - 1].touche : derniers[i].touche;
        };
        bool egal = true;
        for (int i = 0; i < n && egal; ++i)
            egal = touche_lue(dans_l_ordre(i), retourne, p) == combo.touches[i];
        if (egal)
            return static_cast<actionperso>(c + PREMIER_COMBO);
    }
    return rien;
}
