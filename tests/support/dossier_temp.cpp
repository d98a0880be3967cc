#include "support/dossier_temp.h"

#include <unistd.h>

#include "platform/ttftext.h"
#include "support/allegro_env.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

DossierTemp::DossierTemp()
{
    std::string modele = (fs::temp_directory_path() / "zef-test-XXXXXX").string();
    if (!mkdtemp(modele.data()))
        throw std::runtime_error("mkdtemp failed");
    chemin_ = modele;
    ancien_ = fs::current_path().string();
    fs::current_path(chemin_);
}

DossierTemp::~DossierTemp()
{
    std::error_code ec;
    fs::current_path(ancien_, ec);
    fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(chemin_, ec);
}

void DossierTemp::ecrire(const std::string& relatif, const std::string& contenu) const
{
    const fs::path p = fs::path(chemin_) / relatif;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << contenu;
}

std::string DossierTemp::lire(const std::string& relatif) const
{
    std::ifstream in(fs::path(chemin_) / relatif, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

DansLesDonnees::DansLesDonnees() : ancien_(fs::current_path().string())
{
    allegro_sans_systeme();
    alfont_init();
    fs::current_path(ZEF_DATA_DIR);
}

DansLesDonnees::~DansLesDonnees()
{
    std::error_code ec;
    fs::current_path(ancien_, ec);
}
