#include "ligne_de_commande.h"

#include <cstdio>
#include <string>

#include "../reseau/liaison.h"

void DemandeAffichage::appliquer(ReglageAffichage& r) const
{
    if (plein_ecran)
        r.plein_ecran = *plein_ecran;
    if (facteur)
        r.facteur = *facteur;
    if (lissage)
        r.lissage = *lissage;
}

LigneDeCommande lire_ligne_de_commande(int argc, const char* const* argv)
{
    LigneDeCommande l;
    auto refuser = [&l] {
        l.valide = false;
        return l;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* valeur = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--revoir" && valeur && !l.rejeu) {
            l.rejeu = valeur;
            ++i;
        } else if (arg == "--edition" && valeur && !l.edition) {
            Edition e;
            if (!edition_nommee(valeur, e))
                return refuser();
            l.edition = e;
            ++i;
        } else if (arg == "--fenetre" && valeur && !l.affichage.plein_ecran) {
            const std::string n = valeur;
            if (n.size() != 1 || n[0] < '1' || n[0] > '0' + FACTEUR_MAX)
                return refuser();
            l.affichage.plein_ecran = false;
            l.affichage.facteur = n[0] - '0';
            ++i;
        } else if (arg == "--plein-ecran" && !l.affichage.plein_ecran) {
            l.affichage.plein_ecran = true;
        } else if ((arg == "--lisse" || arg == "--net") && !l.affichage.lissage) {
            l.affichage.lissage = arg == "--lisse" ? Lissage::lisse : Lissage::net;
        } else if (arg == "--heberger" && l.en_ligne.vide()) {
            l.en_ligne.heberger = true;
            // The port is optional: a number next is one.
            if (valeur && valeur[0] >= '0' && valeur[0] <= '9') {
                std::string hote;
                if (!lire_adresse(std::string("x:") + valeur, hote, l.en_ligne.port))
                    return refuser();
                ++i;
            }
        } else if (arg == "--rejoindre" && valeur && l.en_ligne.vide()) {
            std::string hote;
            uint16_t port;
            if (!lire_adresse(valeur, hote, port))
                return refuser();
            l.en_ligne.rejoindre = valeur;
            ++i;
        } else if (arg == "--reseau" && valeur && !l.en_ligne.reseau) {
            Conditions c;
            if (!lire_conditions(valeur, c))
                return refuser();
            l.en_ligne.reseau = c;
            ++i;
        } else {
            return refuser();
        }
    }
    return l;
}

void afficher_usage()
{
    std::fprintf(stderr, "usage: zef [--edition classique|ameliore] [--fenetre 1|2|3 | --plein-ecran] [--lisse | --net]"
                         " [--revoir FILE]\n"
                         "       [--heberger [PORT] | --rejoindre HOST[:PORT]] [--reseau delai=MS,gigue=MS,perte=PCT,...]\n");
}
