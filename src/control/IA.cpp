#include "IA.h"

#include <initializer_list>

namespace {

// Situations of the opponent, in the order they are tested.
enum Situation {
    ADV_A_TERRE,        // hit, down or dodging
    ADV_SAUTE_ATTAQUE, ADV_SAUTE_GARDE, ADV_SAUTE,
    ADV_BAS_ATTAQUE, ADV_BAS_GARDE, ADV_BAS,
    ADV_ATTAQUE,
    ADV_VULNERABLE,     // crouching, getting up, taunting or dizzy
    ADV_GARDE,
    ADV_COURT,
    ADV_AUTRE,
    NB_SITUATIONS
};

enum Bande { PROCHE, MOYEN, LOIN };

// Weights in the order attack, approach, special, defend, defensive, taunt, wait.
const int POIDS[NB_SITUATIONS][3][NB_STRATEGIES] = {
    {{20, 25, 20, 1, 10, 15, 10}, {15, 23, 20, 1, 17, 15, 10}, {9, 30, 2, 9, 20, 15, 15}},
    {{20, 5, 15, 44, 10, 2, 2}, {18, 10, 15, 30, 20, 5, 2}, {10, 20, 10, 15, 20, 15, 10}},
    {{25, 10, 25, 5, 10, 15, 10}, {15, 25, 20, 0, 20, 15, 5}, {10, 35, 10, 0, 25, 15, 10}},
    {{46, 5, 25, 10, 10, 2, 2}, {20, 20, 25, 0, 20, 15, 5}, {10, 35, 10, 0, 20, 20, 5}},
    {{20, 4, 15, 47, 12, 2, 2}, {15, 15, 15, 20, 20, 10, 5}, {10, 25, 10, 8, 20, 17, 10}},
    {{25, 10, 25, 5, 10, 15, 10}, {20, 22, 20, 0, 15, 15, 5}, {10, 30, 10, 0, 20, 15, 10}},
    {{43, 10, 23, 10, 10, 2, 2}, {22, 28, 20, 0, 10, 15, 5}, {10, 35, 15, 0, 15, 20, 5}},
    {{21, 5, 15, 45, 10, 2, 2}, {15, 10, 15, 25, 25, 5, 5}, {10, 23, 10, 10, 22, 15, 10}},
    {{50, 10, 28, 0, 5, 2, 5}, {20, 30, 25, 0, 10, 10, 5}, {10, 30, 15, 0, 20, 15, 10}},
    {{35, 15, 25, 5, 10, 5, 5}, {17, 23, 20, 0, 15, 15, 5}, {10, 35, 10, 0, 20, 15, 10}},
    {{20, 6, 20, 40, 10, 2, 2}, {15, 10, 20, 25, 26, 2, 2}, {15, 10, 15, 25, 25, 5, 5}},
    {{46, 10, 20, 10, 10, 2, 2}, {22, 22, 22, 0, 20, 10, 4}, {10, 35, 15, 0, 20, 20, 5}},
};

bool un_de(const CETAT& c, std::initializer_list<ETAT> etats)
{
    for (ETAT e : etats)
        if (c.estdans(e))
            return true;
    return false;
}

// Attacking, guarding or neither, for the jumping and crouched cases.
Situation nuance(const CETAT& c, Situation attaque)
{
    if (c.estdans(donnecoup))
        return attaque;
    if (c.estdans(protection))
        return static_cast<Situation>(attaque + 1);
    return static_cast<Situation>(attaque + 2);
}

Situation situation(const CETAT& adv)
{
    if (un_de(adv, {touche, touchetombe, aterre, esquive}))
        return ADV_A_TERRE;
    if (adv.estdans(saute))
        return nuance(adv, ADV_SAUTE_ATTAQUE);
    if (adv.estdans(bas))
        return nuance(adv, ADV_BAS_ATTAQUE);
    if (adv.estdans(donnecoup))
        return ADV_ATTAQUE;
    if (un_de(adv, {baisse, releve, taunt, pommes}))
        return ADV_VULNERABLE;
    if (adv.estdans(protection))
        return ADV_GARDE;
    if (adv.estdans(course))
        return ADV_COURT;
    return ADV_AUTRE;
}

}  // namespace

void IA::initIA()
{
    timestrat = timepond = t;
    st = attendre;
    vitIA = 30;
    aleat = 0;
}

actionperso IA::QuelleAction(INFO info)
{
    if (FinStrategie(st, info)) {
        PondererStrategie(info);
        st = NvlStrategie();
    }
    return Action(info);
}

bool IA::FinStrategie(Strategie strat, const INFO& info) const
{
    const int32_t age = t - timestrat;
    switch (strat) {
    case donnerAttaque:
    case donnerCoupSpe:
        return info.status.estdans(donnecoup) || age > 300;
    case approcher:
        return info.status.estdans(saute) || age > 70;
    case defendre:
        return !info.adv.status.estdans(donnecoup);
    case etreDefensif:
        return age > 70 || info.status.estdans(esquive);
    case taunter:
        return info.status.estdans(taunt) || age > 30;
    case attendre:
    default:
        return age > 50;
    }
}

void IA::PondererStrategie(const INFO& info)
{
    if (un_de(info.status, {donnecoup, touche, touchetombe, aterre, esquive, baisse, releve})) {
        SetPond(0, 0, 0, 0, 0, 0, 100);
        return;
    }
    const int d = info.adv.dist;
    const Bande bande = d < 150 ? PROCHE : d <= 320 ? MOYEN : LOIN;
    const int* p = POIDS[situation(info.adv.status)][bande];
    SetPond(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
}

void IA::SetPond(int a, int b, int c, int d, int e, int f, int g)
{
    const int poids[NB_STRATEGIES] = {a, b, c, d, e, f, g};
    for (int i = 0; i < NB_STRATEGIES; ++i)
        StrategiePonderee[i] = poids[i];
}

Strategie IA::NvlStrategie()
{
    timestrat = t;
    aleat = alea->tirer();
    const int r = alea->tirer() % 100 + 1;
    int somme = 0;
    for (int i = 0; i < NB_STRATEGIES; ++i) {
        somme += StrategiePonderee[i];
        if (somme >= r)
            return static_cast<Strategie>(i);
    }
    // A few rows add up to less than 100: a draw beyond them waits.
    return attendre;
}

actionperso IA::Action(const INFO& info)
{
    const bool gauche = info.b;   // facing left: back is right
    const actionperso arriere = gauche ? D : G;
    const actionperso avant = gauche ? G : D;
    switch (st) {
    case donnerAttaque: {
        const actionperso coups[] = {punL, punF, pieL, pieF};
        return coups[aleat % 4];
    }
    case approcher: {
        int k = aleat % 3;
        if (info.status.estdans(bas) && k > 0)
            k += 2;
        if (info.adv.dist < 150 && k == 2)
            k = 3;
        if (k <= 1)
            return avant;
        if (k == 2)
            return gauche ? HG : HD;
        return B;
    }
    case donnerCoupSpe:
        if (info.mana > 80)
            return aleat % 2 == 0 ? mcv : mcc;
        if (info.mana > 50)
            return aleat % 2 == 0 ? scv : scc;
        if (info.mana > 30) {
            const actionperso coups[] = {csk2, csk1, csp2, csp1};
            return coups[aleat % 4];
        }
        st = donnerAttaque;   // not enough mana: attack plainly from the next step
        return rien;
    case defendre: {
        int k = aleat % 6;
        if ((info.adv.status.estdans(protection) || info.adv.status.estdans(bas)) && k <= 2)
            k += 2;
        if (k <= 2)
            return arriere;
        if (k <= 4)
            return gauche ? BD : BG;
        return gauche ? speD : speG;
    }
    case etreDefensif:
        switch (aleat % 4) {
        case 0:
        case 1:
            return arriere;
        case 2:
            return gauche ? HD : HG;
        default:
            return gauche ? speD : speG;
        }
    case taunter:
        return spe;
    case attendre:
    default:
        return rien;
    }
}
