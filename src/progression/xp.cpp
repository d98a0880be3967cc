#include "xp.h"

int GESTION_XP::GetNiveau(uint32_t experience) const
{
    for (uint32_t i = 1; i < NIVEAU_MAX; ++i)
        if (700u * (i - 1) * (i - 1) <= experience && experience < 700u * i * i)
            return static_cast<int>(i);
    return NIVEAU_MAX;
}

int GESTION_XP::GetBonus(CARACTERISTIQUES c) const
{
    const int reste = GetNiveau(c.experience) - 1 - c.bonusforce - c.bonusdexterite - c.bonusconstitution -
                      c.bonusarcanes;
    return reste > 0 ? reste : 0;
}
