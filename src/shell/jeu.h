// The game shell: owns what outlives a single screen, plays the intro and
// runs the main loop that launches everything else.
#ifndef ZEF_JEU_H
#define ZEF_JEU_H

#include "../engine/moteur.h"
#include "../engine/parammoteur.h"
#include "../menus/credits.h"
#include "../menus/menuPerso.h"
#include "../menus/menuPrinc.h"
#include "../menus/options.h"
#include "../sound/son.h"
#include "edition.h"
#include "ligne_de_commande.h"

#include <optional>

class Jeu {
public:
    Moteur* e = nullptr;   // the match being played, inside lancer_versus only
    ParamMoteur parMoteur;
    MenuPrincipal mp;
    MenuSP sp;
    MenuOptions mopt;
    MenuCredits mcredits;
    CANALMENU sonmenu;
    // The edition asked for on the command line: it replaces the kept one
    // and is kept in its stead.
    std::optional<Edition> edition_demandee;
    // The display asked for on the command line, the same way.
    DemandeAffichage affichage_demande;
    // Online play asked for on the command line: straight to it once.
    DemandeEnLigne en_ligne_demande;

    // Never returns: quitting ends the process with status 1.
    void ZeF();
    void introdujeu();
    // One match with the current parameters.
    void lancer_versus();
    void lancer_histoire();
    // The enhanced story: any fighter, its own tale, a lost fight fought again.
    void lancer_histoire_complete();
    // Plays a recorded match in the window, as it was played, prints its
    // winner and final checksum, then returns the process status: 0, or 2
    // when the file cannot be played or the match differs from its record.
    int revoir(const char* chemin);
    // Acts on a choice of the title screen.
    void Executer(int choix);

private:
    // True while the main menu and its channel are set up and playing.
    bool continuer = false;
    // The results screen asked for another choice of fighters.
    bool vers_selection = false;
    // One match, recorded and kept; the side that won it (0: abandoned)
    // and the rounds each side took.
    int jouer_match(int manches[2]);
};

// The game runs in its data folder: ends with a message saying how to start
// it when it is not there; removes the copies an interrupted save left.
bool dans_le_dossier_de_donnees();
void verifier_dossier_de_donnees();
void preparer_dossier_de_donnees();

// Opens the display as kept in zef-plus.ini, changed by `demande` (and kept
// so when `garder`). False when no display can be had.
bool ouvrir_ecran(const DemandeAffichage& demande, bool garder);

#endif
