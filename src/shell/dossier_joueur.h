// Where an installed game runs. Its data is read-only (beside the program:
// <prefix>/games/zef and <prefix>/share/games/zef), so each player gets a
// folder of their own, $XDG_DATA_HOME/zef (~/.local/share/zef by default),
// that mirrors it: links to every shipped file, and the player's own
// settings and progress, copied from the shipped defaults the first time and
// never overwritten. The game runs in that folder and opens every file by the
// same relative path as in the build's data folder.
#ifndef ZEF_DOSSIER_JOUEUR_H
#define ZEF_DOSSIER_JOUEUR_H

#include <string>

// Whether a path of the data folder is a file the player's game writes.
bool est_fichier_du_joueur(const std::string& relatif);

// The installed data folder beside the program `executable`; empty when
// there is none.
std::string dossier_installe(const std::string& executable);
// The player's folder from the environment's values (either may be null);
// empty when neither gives an absolute path.
std::string dossier_du_joueur(const char* xdg_data_home, const char* home);

// Makes or brings up to date the player's folder from the shipped one. False
// with the reason when the player's folder cannot be written.
bool peupler_dossier_du_joueur(const std::string& partage, const std::string& joueur, std::string& raison);

// Moves into the folder the game runs in: the current one when it is a data
// folder (a build), else the player's folder of an installed game. Says on
// stderr what went wrong; the game then runs where it can.
void aller_dans_le_dossier_de_jeu();

#endif
