#include "canal_effets.h"

namespace {

enum Groupe { VOIX = 0, MVT = 1, MAGIE = 2 };

struct Echantillon {
    Groupe groupe;
    int entree;
    const char* fichier;
};

// Every fighter hits, gets blocked and lands the same way.
const Echantillon COMMUNS[] = {
    {MVT, 0, "wav/hit1.wav"},
    {MVT, 1, "wav/hit2.wav"},
    {MVT, 2, "wav/PROTECT.wav"},
};

const Echantillon SHIZ[] = {
    {VOIX, 11, "shiz/wav/11.wav"}, {VOIX, 18, "shiz/wav/18.wav"}, {VOIX, 20, "shiz/wav/20.wav"},
    {VOIX, 21, "shiz/wav/21.wav"}, {VOIX, 22, "shiz/wav/22.wav"}, {VOIX, 27, "shiz/wav/27.wav"},
    {VOIX, 30, "shiz/wav/30.wav"}, {VOIX, 31, "shiz/wav/30.wav"}, {VOIX, 32, "shiz/wav/32.wav"},
    {VOIX, 40, "shiz/wav/40.wav"}, {VOIX, 41, "shiz/wav/41.wav"}, {VOIX, 42, "shiz/wav/22.wav"},
    {VOIX, 43, "shiz/wav/43.wav"}, {VOIX, 44, "shiz/wav/44.wav"}, {VOIX, 45, "shiz/wav/45.wav"},
    {VOIX, 46, "shiz/wav/46.wav"}, {VOIX, 47, "shiz/wav/47.wav"}, {VOIX, 50, "shiz/wav/50.wav"},
    {VOIX, 53, "shiz/wav/53.wav"},
    {MVT, 10, "shiz/wav/mvt1.wav"}, {MVT, 11, "shiz/wav/mvt2.wav"}, {MVT, 12, "shiz/wav/5.wav"},
    {MAGIE, 4, "shiz/wav/fireball.wav"},
};

const Echantillon TALON[] = {
    {VOIX, 11, "talon/wav/20.wav"}, {VOIX, 18, "talon/wav/18.wav"}, {VOIX, 20, "talon/wav/20.wav"},
    {VOIX, 21, "talon/wav/20.wav"}, {VOIX, 22, "talon/wav/20.wav"}, {VOIX, 27, "talon/wav/20.wav"},
    {VOIX, 30, "talon/wav/30.wav"}, {VOIX, 31, "talon/wav/30.wav"}, {VOIX, 32, "talon/wav/30.wav"},
    {VOIX, 40, "talon/wav/40.wav"}, {VOIX, 41, "talon/wav/41.wav"}, {VOIX, 42, "talon/wav/42.wav"},
    {VOIX, 43, "talon/wav/43.wav"}, {VOIX, 44, "talon/wav/44.wav"}, {VOIX, 45, "talon/wav/45.wav"},
    {VOIX, 46, "talon/wav/45.wav"}, {VOIX, 47, "talon/wav/47.wav"}, {VOIX, 50, "talon/wav/50.wav"},
    {VOIX, 53, "talon/wav/53.wav"},
    {MVT, 10, "talon/wav/mvt1.wav"}, {MVT, 11, "talon/wav/mvt2.wav"}, {MVT, 12, "talon/wav/5.wav"},
};

const Echantillon VISHVAKARMAN[] = {
    {VOIX, 2, "vishvakarman/wav/2.wav"},   {VOIX, 5, "vishvakarman/wav/5.wav"},
    {VOIX, 11, "vishvakarman/wav/11.wav"}, {VOIX, 18, "vishvakarman/wav/18.wav"},
    {VOIX, 20, "vishvakarman/wav/20.wav"}, {VOIX, 21, "vishvakarman/wav/21.wav"},
    {VOIX, 22, "vishvakarman/wav/22.wav"}, {VOIX, 23, "vishvakarman/wav/20.wav"},
    {VOIX, 24, "vishvakarman/wav/20.wav"}, {VOIX, 25, "vishvakarman/wav/20.wav"},
    {VOIX, 26, "vishvakarman/wav/20.wav"}, {VOIX, 27, "vishvakarman/wav/20.wav"},
    {VOIX, 28, "vishvakarman/wav/20.wav"}, {VOIX, 30, "vishvakarman/wav/30.wav"},
    {VOIX, 31, "vishvakarman/wav/31.wav"}, {VOIX, 32, "vishvakarman/wav/32.wav"},
    {VOIX, 33, "vishvakarman/wav/33.wav"}, {VOIX, 34, "vishvakarman/wav/30.wav"},
    {VOIX, 35, "vishvakarman/wav/31.wav"}, {VOIX, 36, "vishvakarman/wav/32.wav"},
    {VOIX, 37, "vishvakarman/wav/33.wav"}, {VOIX, 38, "vishvakarman/wav/35.wav"},
    {VOIX, 40, "vishvakarman/wav/40.wav"}, {VOIX, 41, "vishvakarman/wav/41.wav"},
    {VOIX, 42, "vishvakarman/wav/42.wav"}, {VOIX, 44, "vishvakarman/wav/44.wav"},
    {VOIX, 45, "vishvakarman/wav/45.wav"}, {VOIX, 46, "vishvakarman/wav/46.wav"},
    {VOIX, 47, "vishvakarman/wav/47.wav"}, {VOIX, 50, "vishvakarman/wav/50.wav"},
    {VOIX, 53, "vishvakarman/wav/53.wav"},
    {MVT, 10, "vishvakarman/wav/mvt1.wav"}, {MVT, 11, "vishvakarman/wav/mvt2.wav"},
    {MVT, 12, "vishvakarman/wav/5.wav"},
};

// The panda borrows vishvakarman's movement noises.
const Echantillon PANDA[] = {
    {VOIX, 5, "panda/wav/10.wav"},  {VOIX, 18, "panda/wav/0.wav"},  {VOIX, 20, "panda/wav/22.wav"},
    {VOIX, 22, "panda/wav/23.wav"}, {VOIX, 25, "panda/wav/23.wav"}, {VOIX, 40, "panda/wav/23.wav"},
    {VOIX, 42, "panda/wav/40.wav"}, {VOIX, 44, "panda/wav/41.wav"}, {VOIX, 46, "panda/wav/41.wav"},
    {VOIX, 50, "panda/wav/50.wav"}, {VOIX, 53, "panda/wav/53.wav"},
    {MVT, 10, "vishvakarman/wav/mvt1.wav"}, {MVT, 11, "vishvakarman/wav/mvt2.wav"},
    {MVT, 12, "vishvakarman/wav/5.wav"},
};

struct Table {
    const Echantillon* debut;
    int nb;
};

template <int N>
constexpr Table table(const Echantillon (&t)[N]) { return {t, N}; }

const Table PAR_PERSO[] = {table(SHIZ), table(TALON), table(VISHVAKARMAN), table(PANDA)};

}  // namespace

void CANALPERSO::initialiser(PERSO perso)
{
    Destroy();
    voix_precedant = sfx_precedant = sfx2_precedant = -1;
    SON* groupes[] = {voix, sfx_mvt, sfx_magie};
    const auto charger = [&](const Echantillon& e) { groupes[e.groupe][e.entree].ouvrir(e.fichier); };
    for (const Echantillon& e : COMMUNS)
        charger(e);
    if (perso < shiz || perso > panda)
        return;
    const Table& propres = PAR_PERSO[perso];
    for (int i = 0; i < propres.nb; ++i)
        charger(propres.debut[i]);
}

void CANALPERSO::jouer(int groupe, int entree, int x)
{
    const int pan = (255 * x) / 640;
    switch (groupe) {
    case VOIX:
        canal::jouer_effet(voix, NB_VOIX, voix_precedant, entree, pan);
        break;
    case MVT:
        canal::jouer_effet(sfx_mvt, NB_MVT, sfx_precedant, entree, pan);
        break;
    case MAGIE:
        canal::jouer_effet(sfx_magie, NB_MAGIE, sfx2_precedant, entree, pan);
        break;
    default:
        break;
    }
}

void CANALPERSO::Destroy()
{
    canal::liberer(voix, NB_VOIX);
    canal::liberer(sfx_mvt, NB_MVT);
    canal::liberer(sfx_magie, NB_MAGIE);
}
