#include "edition.h"

#include <cstdio>
#include <cstring>

#include "fichier_plus.h"

namespace {

constexpr const char* CLE = "edition";

}  // namespace

bool edition_nommee(const char* mot, Edition& e)
{
    if (!mot)
        return false;
    if (std::strcmp(mot, MOT_CLASSIQUE) == 0) {
        e = Edition::classique;
        return true;
    }
    if (std::strcmp(mot, MOT_AMELIORE) == 0) {
        e = Edition::amelioree;
        return true;
    }
    return false;
}

const char* mot_edition(Edition e) { return e == Edition::amelioree ? MOT_AMELIORE : MOT_CLASSIQUE; }

Edition lire_edition(const char* chemin)
{
    Edition e = Edition::classique;
    if (const std::optional<std::string> mot = lire_cle(chemin, CLE))
        edition_nommee(mot->c_str(), e);   // anything else: not ours to guess at
    return e;
}

bool ecrire_edition(Edition e, const char* chemin) { return ecrire_cle(chemin, CLE, mot_edition(e)); }
