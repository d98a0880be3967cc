// What the command line asks for. Every choice but the replay is kept for
// the next runs, as if made in the game.
#ifndef ZEF_LIGNE_DE_COMMANDE_H
#define ZEF_LIGNE_DE_COMMANDE_H

#include <cstdint>
#include <optional>
#include <string>

#include "../reseau/conditions.h"
#include "affichage.h"
#include "edition.h"

// The display choices given, each over the kept one.
struct DemandeAffichage {
    std::optional<bool> plein_ecran;
    std::optional<int> facteur;
    std::optional<Lissage> lissage;

    bool vide() const { return !plein_ecran && !facteur && !lissage; }
    void appliquer(ReglageAffichage& r) const;
};

// Straight to an online match, and the network made worse on purpose.
struct DemandeEnLigne {
    bool heberger = false;
    uint16_t port = 0;          // 0: the default port
    std::string rejoindre;      // "host[:port]"
    std::optional<Conditions> reseau;

    bool vide() const { return !heberger && rejoindre.empty(); }
};

struct LigneDeCommande {
    bool valide = true;
    const char* rejeu = nullptr;   // --revoir FILE
    std::optional<Edition> edition;
    DemandeAffichage affichage;
    DemandeEnLigne en_ligne;
};

LigneDeCommande lire_ligne_de_commande(int argc, const char* const* argv);
// One line on stderr saying what the command line takes.
void afficher_usage();

#endif
