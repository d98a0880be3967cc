// Files the player cannot afford to lose (settings, progress) are written
// whole or not at all: into a copy beside them, flushed to the disk, then
// renamed over the old one. A crash at any moment leaves the old file or the
// new one, never an empty or half-written one.
#ifndef ZEF_ECRITURE_ATOMIQUE_H
#define ZEF_ECRITURE_ATOMIQUE_H

#include <cstdio>
#include <functional>
#include <string>

// The copy a write goes through: the file's path with ".tmp" added.
std::string copie_temporaire(const std::string& chemin);

enum ResultatEcriture { ECRITURE_REUSSIE, OUVERTURE_RATEE, ECRITURE_RATEE };

// On a failure the old file is untouched and the copy removed. `ecrire`
// writes the contents and returns false on a failed write.
ResultatEcriture ecrire_atomiquement(const std::string& chemin, const std::function<bool(std::FILE*)>& ecrire);

// Removes the copy a crash left behind, if any.
void effacer_copie_abandonnee(const std::string& chemin);

#endif
