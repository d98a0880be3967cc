// The set of states a fighter is in: it can be crouched and guarding,
// airborne and attacking, dizzy and idle at once.
#ifndef ZEF_ETATPERSO_H
#define ZEF_ETATPERSO_H

#include <cstdint>
#include <initializer_list>

#include "../shell/somme.h"

enum ETAT {
    repos = 0,     // standing idle
    donnecoup,     // an attack animation is running
    saute,         // airborne after a jump
    marche,        // walking
    touche,        // reeling from a hit
    touchetombe,   // knocked down, flying or falling
    baisse,        // going down into a crouch
    bas,           // crouched
    releve,        // getting up
    protection,    // guarding
    taunt,         // taunting
    esquive,       // dodging
    course,        // running
    aterre,        // lying on the ground
    pommes,        // dizzy
    NB_ETATS
};

class CETAT {
public:
    bool etat[NB_ETATS] = {};
    ETAT petat = repos;   // the state added last
    int32_t Prior = 0;    // drawing priority: the greater is drawn in front
    // Counts the fight's own writes of Prior. The drawing decides the order
    // of the fighters on copies and keeps its tie-breaks only until the
    // fight writes Prior again, so that drawing never changes the fight.
    uint32_t version = 0;

    void initCETAT();
    // Sets Prior from the fight (the round end puts both fighters at 0).
    void fixerPrior(int32_t p)
    {
        Prior = p;
        ++version;
    }
    bool estdans(ETAT e) const { return etat[e]; }
    // Enters e. The state added before is left, unless it is one of the
    // lasting states (crouched, airborne, dizzy), which only enlever ends.
    void ajouter(ETAT e);
    void enlever(ETAT e);
    int SetPrior() const;
    void Resumer(Somme& h) const
    {
        int64_t drapeaux = 0;
        for (int e = 0; e < NB_ETATS; ++e)
            drapeaux |= int64_t(etat[e]) << e;
        h.ajouter({drapeaux, petat, Prior, version});
    }
};

#endif
