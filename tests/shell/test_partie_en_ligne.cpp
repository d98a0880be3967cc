// After an online match only this player's own fighter's record is written:
// the other player's progress is theirs, on their own machine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/partie_en_ligne.h"
#include "support/dossier_temp.h"

namespace {

namespace fs = std::filesystem;

std::string contenu(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

uint32_t experience_de(PERSO p)
{
    ParamJoueur j;
    j.SetPerso(p);
    return j.carac.experience;
}

TEST(PartieEnLigne, OnlyThisPlayersOwnFighterKeepsItsExperience)
{
    DansLesDonnees donnees;
    struct Cas {
        PERSO cotes[2];
        int local;
        bool progression;
    };
    for (const Cas c : {Cas{{talon, panda}, 1, true}, Cas{{shiz, shiz}, 0, true}, Cas{{talon, panda}, 0, false}}) {
        Rejeu e;
        for (int i = 0; i < 2; ++i) {
            e.cotes[i].perso = c.cotes[i];
            e.cotes[i].control = CONTROLE_CLAVIER;
            e.cotes[i].carac = {10, 10, 10, 10, 0, 0, 0, 0, 1000, 2};
        }
        e.evolution = c.progression;
        MatchEnLigne match(e);
        match.moteur().p1.donneesperso.carac.experience = 5000;
        match.moteur().p2.donneesperso.carac.experience = 7000;
        const std::string fichiers[2] = {fichier_xp(c.cotes[0]), fichier_xp(c.cotes[1])};
        const std::string avant[2] = {contenu(fichiers[0]), contenu(fichiers[1])};

        DossierTemp dossier;   // a player's folder, with the shipped records
        for (const std::string& f : fichiers)
            dossier.ecrire(f, avant[&f - fichiers]);
        ParamMoteur reglages;
        reglages.parP1.joueur = 1;
        garder_experience_en_ligne(reglages, match, c.local, e);

        const PERSO moi = c.cotes[c.local], lui = c.cotes[1 - c.local];
        if (!c.progression) {
            EXPECT_EQ(contenu(fichiers[0]), avant[0]) << "progression off";
            EXPECT_EQ(contenu(fichiers[1]), avant[1]) << "progression off";
            continue;
        }
        EXPECT_EQ(experience_de(moi), c.local == 0 ? 5000u : 7000u) << fichiers[c.local];
        if (moi != lui) {
            EXPECT_EQ(contenu(fichiers[1 - c.local]), avant[1 - c.local]) << "the other player's fighter";
        }
    }
}

}  // namespace
