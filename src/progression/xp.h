// Characteristics, experience and levels.
#ifndef ZEF_XP_H
#define ZEF_XP_H

#include <cstdint>
#include <initializer_list>

// The order of the fields is the order of the experience file.
struct CARACTERISTIQUES {
    int32_t force = 0;
    int32_t dexterite = 0;
    int32_t constitution = 0;
    int32_t arcanes = 0;
    int32_t bonusforce = 0;
    int32_t bonusdexterite = 0;
    int32_t bonusconstitution = 0;
    int32_t bonusarcanes = 0;
    uint32_t experience = 0;
    int32_t niveau = 0;   // as last stored; recomputed from experience on saving
};

class GESTION_XP {
public:
    static constexpr int NIVEAU_MAX = 29;
    // Level i starts at 700 (i - 1)^2 experience points; 29 is the highest.
    static constexpr uint32_t EXPERIENCE_MAX = 700u * NIVEAU_MAX * NIVEAU_MAX;

    int GetNiveau(uint32_t experience) const;
    // Points still to spend: one per level above the first, less those spent.
    int GetBonus(CARACTERISTIQUES carac) const;
};

// A fighter played on both sides of a match: its experience before the
// match plus what each side gained, never less than either side reached.
inline uint32_t experience_des_deux(uint32_t avant, uint32_t cote1, uint32_t cote2)
{
    const uint64_t gain = (cote1 > avant ? cote1 - avant : 0) + (cote2 > avant ? cote2 - avant : 0);
    uint64_t plafond = GESTION_XP::EXPERIENCE_MAX;
    for (uint32_t c : {cote1, cote2})
        if (c > plafond)
            plafond = c;
    const uint64_t total = avant + gain;
    return static_cast<uint32_t>(total < plafond ? total : plafond);
}

#endif
