#include "perso.h"

void Perso::calculdonneesperso(CARACTERISTIQUES carac)
{
    DONNEES_PERSO& d = donneesperso;
    if (ModeEvolution) {
        d.FOR = carac.force + carac.bonusforce;
        d.DEX = carac.dexterite + carac.bonusdexterite;
        d.CON = carac.constitution + carac.bonusconstitution;
        d.INT = carac.arcanes + carac.bonusarcanes;
        d.carac = carac;
    } else {
        // Without progression every fighter fights as if trained two points up.
        d.FOR = carac.force + 2;
        d.DEX = carac.dexterite + 2;
        d.CON = carac.constitution + 2;
        d.INT = carac.arcanes + 2;
    }
    d.carac.experience = carac.experience;

    // Each extra needs a value above 11: 12 is the first to earn it.
    d.PV = d.CON * 50 + 200 + (d.CON > 11 ? 20 : 0);
    d.ManaMax = d.INT * 6 + 80;
    d.AutoMana = d.INT + (d.INT > 11 ? 10 : 0);
    d.ManaTaunt = d.INT * 3;
    d.ManaDebut = d.INT * 6;
    d.vitesse = d.DEX + 19 + (d.DEX > 11 ? 3 : 0);
    d.forcesaut = d.DEX + 77;
    d.rapidite = d.DEX - 4 + (d.DEX > 11 ? 2 : 0);
    d.bonusdegats = d.FOR * 3 / 2 + (d.FOR > 11 ? 3 : 0);
    d.bonusdegatsmagiques = d.INT;
    d.coefprotect = (d.DEX + d.CON) / 4 + 5;
    d.nbcoupspommes = d.CON / 3 + 3;
}

void Perso::ajoutexp(int a)
{
    if (a < 1 || !ModeEvolution)
        return;
    uint32_t& xp = donneesperso.carac.experience;
    // The cap is tested before adding: a gain may pass it, the next one
    // brings it back.
    if (xp >= GESTION_XP::EXPERIENCE_MAX)
        xp = GESTION_XP::EXPERIENCE_MAX;
    else
        xp += static_cast<uint32_t>(donneesperso.INT / 4 + a);
}
