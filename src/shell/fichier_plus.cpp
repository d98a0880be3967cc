#include "fichier_plus.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "ecriture_atomique.h"

namespace {

// A handful of short lines; anything larger is not a file of ours.
constexpr long TAILLE_MAX = 4096;

std::vector<std::string> lignes_du_fichier(const char* chemin)
{
    std::vector<std::string> lignes;
    std::FILE* f = std::fopen(chemin, "rb");
    if (!f)
        return lignes;
    char texte[TAILLE_MAX + 1];
    const size_t lu = std::fread(texte, 1, sizeof texte, f);
    std::fclose(f);
    if (lu > static_cast<size_t>(TAILLE_MAX))
        return lignes;
    std::string ligne;
    for (size_t i = 0; i < lu; ++i) {
        if (texte[i] == '\n') {
            lignes.push_back(ligne);
            ligne.clear();
        } else if (texte[i] != '\r') {
            ligne += texte[i];
        }
    }
    if (!ligne.empty())
        lignes.push_back(ligne);
    return lignes;
}

bool commence_par(const std::string& ligne, const std::string& debut)
{
    return ligne.compare(0, debut.size(), debut) == 0;
}

}  // namespace

std::optional<std::string> lire_cle(const char* chemin, const char* cle)
{
    const std::string debut = std::string(cle) + "=";
    for (const std::string& ligne : lignes_du_fichier(chemin))
        if (commence_par(ligne, debut))
            return ligne.substr(debut.size());
    return std::nullopt;
}

bool ecrire_cle(const char* chemin, const char* cle, const std::string& valeur)
{
    const std::string debut = std::string(cle) + "=";
    std::vector<std::string> lignes = lignes_du_fichier(chemin);
    bool remplacee = false;
    for (std::string& ligne : lignes) {
        if (commence_par(ligne, debut)) {
            ligne = debut + valeur;
            remplacee = true;
            break;
        }
    }
    if (!remplacee)
        lignes.push_back(debut + valeur);
    const ResultatEcriture ecrit = ecrire_atomiquement(chemin, [&lignes](std::FILE* f) {
        for (const std::string& ligne : lignes)
            if (std::fprintf(f, "%s\n", ligne.c_str()) < 0)
                return false;
        return true;
    });
    if (ecrit != ECRITURE_REUSSIE)
        std::fprintf(stderr, "zef: cannot write %s: %s is kept for this session only\n", chemin, cle);
    return ecrit == ECRITURE_REUSSIE;
}
