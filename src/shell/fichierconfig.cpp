#include "fichierconfig.h"

#include <cstdio>

#include "affichage.h"
#include "ecriture_atomique.h"

namespace {

const char* const FICHIER_CONFIG = "zef.ini";

// May happen while a full-screen mode is up: leave it so the box can be seen,
// and go on in a window afterwards.
void signaler(const char* message)
{
    set_gfx_mode(GFX_TEXT, 640, 480, 0, 0);
    allegro_message("%s", message);
    revenir_en_fenetre();
}

// Matches the key literally, then reads a number and the white space after
// it. On a mismatch the stream stays at the first differing character, so the
// following keys fail too and their settings keep their values.
bool lire_valeur(FILE* f, const char* cle, int& valeur)
{
    for (const char* c = cle; *c; ++c) {
        const int lu = std::fgetc(f);
        if (lu != static_cast<unsigned char>(*c)) {
            if (lu != EOF)
                std::ungetc(lu, f);
            break;
        }
    }
    return std::fscanf(f, "%d\n", &valeur) == 1;
}

}  // namespace

bool saveFichierConfig(ParamMoteur* pm)
{
    const ResultatEcriture ecrit = ecrire_atomiquement(FICHIER_CONFIG, [pm](std::FILE* f) {
        return std::fprintf(f,
                            "j1_control=%d\nj2_control=%d\nmode_evolution=%d\nvolume_sonore=%d\n"
                            "volume_musique=%d\n",
                            pm->parP1.control, pm->parP2.control, pm->ModeEvolution ? 1 : 0,
                            static_cast<int>(volume_sonore), static_cast<int>(volume_musique)) > 0;
    });
    // The first message names the file as players have always seen it.
    if (ecrit == OUVERTURE_RATEE) {
        signaler("impossible d'ouvrir le fichier zef.cfg");
        return false;
    }
    if (ecrit == ECRITURE_RATEE) {
        signaler("impossible de fermer le fichier zef.ini");
        return false;
    }
    return true;
}

bool chargerFichierConfig(ParamMoteur* pm)
{
    FILE* f = std::fopen(FICHIER_CONFIG, "r");
    if (!f) {
        signaler("impossible d'ouvrir le fichier zef.ini");
        return false;
    }
    int valeur = 0;
    if (lire_valeur(f, "j1_control=", valeur))
        pm->parP1.control = valeur;
    if (lire_valeur(f, "j2_control=", valeur))
        pm->parP2.control = valeur;
    if (lire_valeur(f, "mode_evolution=", valeur))
        pm->ModeEvolution = valeur != 0;
    if (lire_valeur(f, "volume_sonore=", valeur))
        volume_sonore = static_cast<uint32_t>(valeur);
    if (lire_valeur(f, "volume_musique=", valeur))
        volume_musique = static_cast<uint32_t>(valeur);
    if (std::fclose(f) != 0) {
        signaler("impossible de fermer le fichier zef.ini");
        return false;
    }
    return true;
}
