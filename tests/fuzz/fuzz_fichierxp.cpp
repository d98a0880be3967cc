// Any bytes at all given to the experience file reader, then written back.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "progression/fichierxp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!f)
        return 0;
    CARACTERISTIQUES c;
    lire_fichier_xp(f, c);
    std::fclose(f);
    char sortie[512];
    std::FILE* g = fmemopen(sortie, sizeof sortie, "w");
    ecrire_fichier_xp(g, c);
    std::fclose(g);
    return 0;
}
