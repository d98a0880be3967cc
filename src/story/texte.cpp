#include "texte.h"

#include <cstdlib>

void FontClass::charger(const char* txt)
{
    font = alfont_load_font(txt);
    if (!font)
        allegro_message("Cannot load the font %s", txt);
}

void FontClass::taille(int fontsize) { alfont_set_font_size(font, fontsize); }

void FontClass::destroy()
{
    alfont_destroy_font(font);
    font = nullptr;
}

namespace {

// Latin-1, one row per fighter.
const char* const REPLIQUES[4][dialogue::NB_REPLIQUES] = {
    {"Je vais te niquer!!", "Je vais t'apprendre a te battre !!", "Je suis vraiment trop fort",
     "T'es trop une merde", "Laisse tomb\xe9 t'as aucune chance",
     "Sinon tu sais faire quoi a part la danse classique!!", "Comment je suis une masse",
     "Je suis trop rapide", "J'ai deja vaincu Tony Brask", "A 5 ans j'ai tu\xe9 un ours a mains nues"},
    {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10"},
    {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
    {"Grrrr", "Rrroaaaa", "Wooaaarrr", "RrrRr", "Grrrgrr", "RrrraOOoo", "Grraaoo", "Grrgrr", "Rrooaarr",
     "Hehehe"},
};

}  // namespace

const char* dialogue::dialoguer(PERSO p)
{
    const int k = std::rand() % NB_REPLIQUES;
    if (p < shiz || p > panda)
        return "";
    return REPLIQUES[p][k];
}
