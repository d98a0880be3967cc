// The round's countdown: two digit pictures at the top centre of the screen.
#ifndef ZEF_COMPTEURSEC_H
#define ZEF_COMPTEURSEC_H

#include "../graphics/objetgraph.h"

class COMPTEUR_SEC {
public:
    void init();
    // Draws the value with a leading zero; a digit outside 0..9 (a negative
    // value's units, a tens of 10 or more) is left out.
    void afficher(BITMAP* b, int c) const;
    void destroy();

private:
    ObjetGraph dizaines[10];
    ObjetGraph unites[10];
};

#endif
