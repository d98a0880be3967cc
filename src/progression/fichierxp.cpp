#include "fichierxp.h"

namespace {

int32_t* champ(CARACTERISTIQUES& c, int i)
{
    int32_t* champs[] = {&c.force,          &c.dexterite,      &c.constitution,      &c.arcanes,
                         &c.bonusforce,     &c.bonusdexterite, &c.bonusconstitution, &c.bonusarcanes,
                         nullptr,           &c.niveau};
    return champs[i];
}

}  // namespace

int lire_fichier_xp(std::FILE* f, CARACTERISTIQUES& c)
{
    std::fscanf(f, " ");
    for (int i = 0; i < 10; ++i) {
        int v = 0;
        if (std::fscanf(f, "%d ", &v) != 1)
            return i;
        if (int32_t* p = champ(c, i))
            *p = v;
        else
            c.experience = static_cast<uint32_t>(v);   // stored as the signed number it was written as
    }
    return 10;
}

bool ecrire_fichier_xp(std::FILE* f, const CARACTERISTIQUES& c)
{
    return std::fprintf(f, "\n%d\n%d\n%d\n%d\n%d\n%d\n%d\n%d\n%d\n%d\n", c.force, c.dexterite, c.constitution,
                        c.arcanes, c.bonusforce, c.bonusdexterite, c.bonusconstitution, c.bonusarcanes,
                        static_cast<int32_t>(c.experience), c.niveau) > 0;
}
