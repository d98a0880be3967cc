#include "edition.h"

#include <cstdio>
#include <cstring>

#include "ecriture_atomique.h"

namespace {

constexpr const char* CLE = "edition=";

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
    std::FILE* f = std::fopen(chemin, "r");
    if (!f)
        return e;
    // One short line; anything longer or different is not ours to guess at.
    char ligne[64] = {};
    if (std::fgets(ligne, sizeof ligne, f)) {
        ligne[std::strcspn(ligne, "\r\n")] = '\0';
        if (std::strncmp(ligne, CLE, std::strlen(CLE)) == 0)
            edition_nommee(ligne + std::strlen(CLE), e);
    }
    std::fclose(f);
    return e;
}

bool ecrire_edition(Edition e, const char* chemin)
{
    const ResultatEcriture ecrit = ecrire_atomiquement(
        chemin, [e](std::FILE* f) { return std::fprintf(f, "%s%s\n", CLE, mot_edition(e)) > 0; });
    if (ecrit != ECRITURE_REUSSIE)
        std::fprintf(stderr, "zef: cannot write %s: the edition is kept for this session only\n", chemin);
    return ecrit == ECRITURE_REUSSIE;
}
