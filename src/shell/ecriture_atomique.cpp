#include "ecriture_atomique.h"

#include <sys/stat.h>
#include <unistd.h>

std::string copie_temporaire(const std::string& chemin) { return chemin + ".tmp"; }

ResultatEcriture ecrire_atomiquement(const std::string& chemin, const std::function<bool(std::FILE*)>& ecrire)
{
    // A file the player made read-only, or a folder in its place, is not
    // replaced: the rename would not ask.
    struct stat etat;
    if (stat(chemin.c_str(), &etat) == 0 && (!S_ISREG(etat.st_mode) || access(chemin.c_str(), W_OK) != 0))
        return OUVERTURE_RATEE;
    const std::string copie = copie_temporaire(chemin);
    std::FILE* f = std::fopen(copie.c_str(), "wb");
    if (!f)
        return OUVERTURE_RATEE;
    const bool ecrit = ecrire(f) && std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    if (std::fclose(f) != 0 || !ecrit || std::rename(copie.c_str(), chemin.c_str()) != 0) {
        std::remove(copie.c_str());
        return ECRITURE_RATEE;
    }
    return ECRITURE_REUSSIE;
}

void effacer_copie_abandonnee(const std::string& chemin) { std::remove(copie_temporaire(chemin).c_str()); }
