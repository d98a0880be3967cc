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

// The enhanced edition's lines, written for each fighter's character:
// shiz quick and cocky, talon a cold assassin, vishvakarman a calm mystic,
// the panda a real panda. Latin-1 too.
const char* const REPLIQUES_ECRITES[4][dialogue::NB_REPLIQUES] = {
    {"Je vais t'apprendre \xe0 te battre !", "Je suis vraiment trop fort.", "Laisse tomber, tu n'as aucune chance.",
     "Tu sais faire autre chose que la danse classique ?", "Je suis trop rapide pour toi.",
     "J'ai d\xe9j\xe0 vaincu Tony Brask.", "Regarde bien, je ne le ferai qu'une fois.", "Mon ki est pr\xeat. Et toi ?",
     "Fin de l'\xe9" "chauffement !", "Essaie au moins de me toucher."},
    {"Tu ne m'as pas entendu venir.", "Mes griffes ne ratent jamais deux fois.", "Silence. Le combat parle pour moi.",
     "Tu es d\xe9j\xe0 trop pr\xe8s.", "L'ombre frappe la premi\xe8re.", "Un seul faux pas suffira.",
     "Je compte tes respirations.", "Rien ne m'\xe9" "chappe dans le noir.", "Garde les yeux ouverts, si tu peux.",
     "On m'a pay\xe9 pour ce combat."},
    {"Quatre bras, un seul souffle.", "La roue de feu tourne pour tous.", "Ton impatience sera ta chute.",
     "J'ai b\xe2ti des temples plus solides que ta garde.", "Respire. Ce sera bient\xf4t fini.",
     "Chaque coup a sa place, comme chaque pierre.", "Le calme vient toujours \xe0 bout de la force.",
     "Je t'ai vu venir il y a mille ans.", "Le feu ne se presse jamais.", "M\xe9" "dite sur ta d\xe9" "faite."},
    {"Grrrr", "Rrroaaaa", "Wooaaarrr", "*m\xe2" "che un bambou*", "Grrrgrr", "*se gratte le dos*", "Grraaoo",
     "*b\xe2ille longuement*", "Rrooaarr", "Hehehe"},
};

}  // namespace

const char* dialogue::dialoguer(PERSO p, Edition e)
{
    const int k = std::rand() % NB_REPLIQUES;
    if (p < shiz || p > panda)
        return "";
    return Regles::de(e).repliques_ecrites ? REPLIQUES_ECRITES[p][k] : REPLIQUES[p][k];
}

std::string en_latin1(const char* utf8)
{
    std::string sortie;
    const auto* c = reinterpret_cast<const unsigned char*>(utf8 ? utf8 : "");
    while (*c) {
        if (*c < 0x80) {
            sortie += static_cast<char>(*c++);
            continue;
        }
        // The length of the sequence from its first byte; its code point.
        int suite = (*c & 0xe0) == 0xc0 ? 1 : (*c & 0xf0) == 0xe0 ? 2 : (*c & 0xf8) == 0xf0 ? 3 : 0;
        unsigned point = suite == 1 ? *c & 0x1f : suite == 2 ? *c & 0x0f : *c & 0x07;
        ++c;
        bool valide = suite > 0;
        for (int i = 0; i < suite; ++i, ++c) {
            if ((*c & 0xc0) != 0x80) {
                valide = false;
                break;
            }
            point = point << 6 | (*c & 0x3f);
        }
        if (point == 0x2019)   // the typographic apostrophe
            point = '\'';
        sortie += valide && point < 0x100 ? static_cast<char>(point) : '?';
    }
    return sortie;
}

std::vector<std::string> couper_lignes(const std::string& texte, int largeur,
                                       const std::function<int(const std::string&)>& mesure)
{
    std::vector<std::string> lignes;
    size_t debut_paragraphe = 0;
    for (;;) {
        const size_t fin_paragraphe = texte.find('\n', debut_paragraphe);
        const std::string paragraphe = texte.substr(debut_paragraphe, fin_paragraphe - debut_paragraphe);
        std::string ligne;
        size_t i = 0;
        while (i < paragraphe.size()) {
            const size_t espace = paragraphe.find(' ', i);
            const std::string mot = paragraphe.substr(i, espace - i);
            i = espace == std::string::npos ? paragraphe.size() : espace + 1;
            if (mot.empty())
                continue;
            const std::string essai = ligne.empty() ? mot : ligne + " " + mot;
            if (ligne.empty() || mesure(essai) <= largeur) {
                ligne = essai;
            } else {
                lignes.push_back(ligne);
                ligne = mot;
            }
        }
        lignes.push_back(ligne);
        if (fin_paragraphe == std::string::npos)
            break;
        debut_paragraphe = fin_paragraphe + 1;
    }
    return lignes;
}
