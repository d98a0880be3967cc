#include "dossier_joueur.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "../progression/paramjoueur.h"
#include "ecriture_atomique.h"
#include "edition.h"
#include "jeu.h"

namespace fs = std::filesystem;

namespace {

bool est_un_dossier_de_donnees(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p / "graphics", ec) && fs::is_directory(p / "stage", ec);
}

// A shipped folder holding a file of the player's is rebuilt entry by entry;
// any other is one link.
bool contient_un_fichier_du_joueur(const fs::path& partage, const fs::path& relatif)
{
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(partage / relatif, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (est_fichier_du_joueur((relatif / fs::relative(it->path(), partage / relatif)).generic_string()))
            return true;
    return false;
}

// The shipped default, copied whole or not at all.
bool copier_defaut(const fs::path& de, const fs::path& vers)
{
    std::ifstream entree(de, std::ios::binary);
    const std::vector<char> octets((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    if (!entree.good() && !entree.eof())
        return false;
    return ecrire_atomiquement(vers.string(), [&octets](std::FILE* f) {
               return std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
           }) == ECRITURE_REUSSIE;
}

// One entry of the shipped folder in the player's. Never replaces a file or
// folder of the player's own; a link left by another installation is
// pointed again.
bool refleter(const fs::path& partage, const fs::path& joueur, const fs::path& relatif, std::string& raison)
{
    const fs::path de = partage / relatif, vers = joueur / relatif;
    std::error_code ec;
    const fs::file_status etat = fs::symlink_status(vers, ec);
    if (est_fichier_du_joueur(relatif.generic_string())) {
        if (fs::exists(etat))
            return true;
        if (!copier_defaut(de, vers)) {
            raison = "cannot copy " + de.string();
            return false;
        }
        return true;
    }
    if (fs::is_directory(de, ec) && contient_un_fichier_du_joueur(partage, relatif)) {
        if (fs::is_symlink(etat))
            fs::remove(vers, ec);
        if (!fs::is_directory(vers, ec) && !fs::create_directory(vers, ec)) {
            raison = "cannot make " + vers.string() + ": " + ec.message();
            return false;
        }
        for (const fs::directory_entry& e : fs::directory_iterator(de, ec))
            if (!refleter(partage, joueur, relatif / e.path().filename(), raison))
                return false;
        return true;
    }
    if (fs::is_symlink(etat)) {
        if (fs::read_symlink(vers, ec) == de)
            return true;
        fs::remove(vers, ec);
    } else if (fs::exists(etat)) {
        return true;   // the player's own
    }
    fs::create_symlink(de, vers, ec);
    if (ec) {
        raison = "cannot link " + vers.string() + ": " + ec.message();
        return false;
    }
    return true;
}

// Links into the shipped folder that an update left pointing at nothing.
void oublier_liens_morts(const fs::path& partage, const fs::path& joueur)
{
    std::error_code ec;
    std::vector<fs::path> morts;
    for (auto it = fs::recursive_directory_iterator(joueur, ec); !ec && it != fs::end(it); it.increment(ec)) {
        if (!it->is_symlink(ec))
            continue;
        const fs::path cible = fs::read_symlink(it->path(), ec);
        const std::string debut = partage.string() + "/";
        if (!ec && cible.string().compare(0, debut.size(), debut) == 0 && !fs::exists(cible, ec))
            morts.push_back(it->path());
    }
    for (const fs::path& p : morts)
        fs::remove(p, ec);
}

}  // namespace

bool est_fichier_du_joueur(const std::string& relatif)
{
    if (relatif == "zef.ini" || relatif == FICHIER_EDITION)
        return true;
    for (PERSO p : {shiz, talon, vishvakarman, panda})
        if (relatif == fichier_xp(p))
            return true;
    return false;
}

std::string dossier_installe(const std::string& executable)
{
    const fs::path donnees = fs::path(executable).parent_path().parent_path() / "share" / "games" / "zef";
    return est_un_dossier_de_donnees(donnees) ? donnees.lexically_normal().string() : std::string();
}

std::string dossier_du_joueur(const char* xdg_data_home, const char* home)
{
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (xdg_data_home && xdg_data_home[0] == '/')
        return (fs::path(xdg_data_home) / "zef").string();
    if (home && home[0] == '/')
        return (fs::path(home) / ".local" / "share" / "zef").string();
    return {};
}

bool peupler_dossier_du_joueur(const std::string& partage, const std::string& joueur, std::string& raison)
{
    std::error_code ec;
    fs::create_directories(joueur, ec);
    if (ec || !fs::is_directory(joueur, ec)) {
        raison = "cannot make " + joueur;
        return false;
    }
    oublier_liens_morts(partage, joueur);
    for (const fs::directory_entry& e : fs::directory_iterator(partage, ec))
        if (!refleter(partage, joueur, e.path().filename(), raison))
            return false;
    if (ec) {
        raison = "cannot read " + partage + ": " + ec.message();
        return false;
    }
    return true;
}

void aller_dans_le_dossier_de_jeu()
{
    if (dans_le_dossier_de_donnees())
        return;
    std::error_code ec;
    const std::string partage = dossier_installe(fs::read_symlink("/proc/self/exe", ec).string());
    if (partage.empty())
        return;   // neither: the game says how to start it
    const std::string joueur = dossier_du_joueur(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::string raison = "no home folder";
    if (!joueur.empty() && peupler_dossier_du_joueur(partage, joueur, raison) && chdir(joueur.c_str()) == 0)
        return;
    std::fprintf(stderr, "zef: %s: progress and settings will not be kept\n", raison.c_str());
    if (chdir(partage.c_str()) != 0)
        std::fprintf(stderr, "zef: cannot enter %s\n", partage.c_str());
}
