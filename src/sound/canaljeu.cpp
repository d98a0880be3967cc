#include "canal_effets.h"

namespace {

const char* const MUSIQUE_STAGE[] = {
    "stage/music2.wav",  // aeroport
    "stage/music1.wav",  // elbeuf
    "stage/music3.wav",  // inde
};

// Announcer: round one, round two, final round, fight, knock-out, perfect, time up.
const char* const ANNONCES[] = {
    "wav/round1.wav", "wav/round2.wav", "wav/finalround.wav", "wav/fight.wav",
    "wav/ko.wav",     "wav/perfect.wav", "wav/timeup.wav",
};

}  // namespace

void CANALJEU::initialiser(STAGE stage)
{
    // Whatever an earlier match left loaded is released, not leaked.
    Destroy();
    sfx_precedant = -1;
    if (stage >= aeroport && stage <= inde)
        musique.ouvrir(MUSIQUE_STAGE[stage]);
    for (int i = 0; i < static_cast<int>(sizeof ANNONCES / sizeof *ANNONCES); ++i)
        sfx[i].ouvrir(ANNONCES[i]);
}

void CANALJEU::jouer(int groupe, int entree)
{
    if (groupe == 0) {
        if (volume_musique != 0 && musique.EstOuvert())
            musique.lire(static_cast<int>(volume_musique));
    } else if (groupe == 1) {
        canal::jouer_effet(sfx, NB_SFX, sfx_precedant, entree);
    }
}

void CANALJEU::stop(int groupe, int entree)
{
    if (groupe == 0)
        canal::stop_musique(musique);
    else if (groupe == 1)
        canal::stop_effet(sfx, NB_SFX, sfx_precedant, entree);
}

void CANALJEU::Destroy()
{
    // The stage music is loaded even when music is muted; release it anyway.
    canal::liberer(&musique, 1);
    canal::liberer(sfx, NB_SFX);
}
