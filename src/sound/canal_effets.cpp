#include "canal_effets.h"

namespace canal {

namespace {
bool dans(int entree, int nb) { return entree >= 0 && entree < nb; }
}  // namespace

void jouer_effet(SON* sfx, int nb, int& precedant, int entree, int pan)
{
    // An entry outside the row is a caller's slip: stay silent rather than
    // read past the array.
    if (!dans(entree, nb) || !sfx[entree].EstOuvert())
        return;
    if (dans(precedant, nb))
        sfx[precedant].stop();
    sfx[entree].lire(static_cast<int>(volume_sonore), pan);
    precedant = entree;
}

void stop_effet(SON* sfx, int nb, int& precedant, int entree)
{
    if (!dans(entree, nb) || !sfx[entree].EstOuvert())
        return;
    sfx[entree].stop();
    precedant = entree;
}

void stop_musique(SON& musique)
{
    if (volume_musique != 0 && musique.EstOuvert())
        musique.stop();
}

void liberer(SON* sons, int nb)
{
    for (int i = 0; i < nb; ++i)
        if (sons[i].EstOuvert())
            sons[i].fermer();
}

}  // namespace canal
