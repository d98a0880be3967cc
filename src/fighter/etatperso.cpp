#include "etatperso.h"

void CETAT::initCETAT()
{
    for (bool& e : etat)
        e = false;
    etat[repos] = true;
    petat = repos;
    Prior = 0;
    // A fresh set starts the count again, so that a match's sums do not
    // depend on the matches before it.
    version = 0;
}

void CETAT::ajouter(ETAT e)
{
    if (petat != bas && petat != saute && petat != pommes)
        etat[petat] = false;
    petat = e;
    etat[e] = true;
    fixerPrior(SetPrior());
}

void CETAT::enlever(ETAT e)
{
    etat[e] = false;
    fixerPrior(SetPrior());
}

int CETAT::SetPrior() const
{
    const auto un_de = [this](std::initializer_list<ETAT> es) {
        for (ETAT e : es)
            if (etat[e])
                return true;
        return false;
    };
    if (un_de({touche, bas, repos, pommes, touchetombe, esquive, aterre}))
        return -1;
    if (un_de({marche, baisse, saute, releve, protection, taunt}))
        return 0;
    if (un_de({donnecoup, course}))
        return 1;
    return 0;
}
