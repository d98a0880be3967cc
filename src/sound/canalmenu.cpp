#include "canal_effets.h"

constexpr int REPETER = 3;   // any non-zero value loops the menu music

void CANALMENU::initialiser()
{
    // After a story run the menu comes back without having been torn down:
    // release the earlier samples instead of leaking them.
    Destroy();
    sfx_precedant = -1;
    if (volume_musique != 0)
        musique.ouvrir("wav/zef.wav");
    sfx[0].ouvrir("wav/mouseover.wav");
    sfx[1].ouvrir("wav/mouseclic.wav");
    sfx[2].ouvrir("wav/gong.wav");
}

void CANALMENU::jouer(int groupe, int entree)
{
    if (groupe == 0) {
        if (volume_musique != 0 && musique.EstOuvert())
            musique.lire_boucle(static_cast<int>(volume_musique), REPETER);
    } else if (groupe == 1) {
        canal::jouer_effet(sfx, NB_SFX, sfx_precedant, entree);
    }
}

void CANALMENU::stop(int groupe, int entree)
{
    if (groupe == 0)
        canal::stop_musique(musique);
    else if (groupe == 1)
        canal::stop_effet(sfx, NB_SFX, sfx_precedant, entree);
}

void CANALMENU::regler_musique()
{
    if (volume_musique == 0) {
        musique.stop();
        return;
    }
    if (musique.joue()) {
        musique.regler_boucle(static_cast<int>(volume_musique));
        return;
    }
    if (!musique.EstOuvert())
        musique.ouvrir("wav/zef.wav");
    jouer(0, 0);
}

void CANALMENU::Destroy()
{
    canal::liberer(&musique, 1);
    canal::liberer(sfx, NB_SFX);
}
