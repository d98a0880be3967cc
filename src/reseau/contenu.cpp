#include "contenu.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr uint64_t FNV_BASE = 1469598103934665603ull;
constexpr uint64_t FNV_PREMIER = 1099511628211ull;

void melanger(uint64_t& h, const char* octets, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        h ^= static_cast<uint8_t>(octets[i]);
        h *= FNV_PREMIER;
    }
}

}  // namespace

std::vector<std::string> fichiers_du_contenu()
{
    std::vector<std::string> fichiers;
    for (const char* perso : {"shiz", "talon", "vishvakarman", "panda"}) {
        fichiers.push_back(std::string(perso) + "/" + perso + ".p");
        for (const char* dossier : {"img", "fx"}) {
            std::vector<std::string> images;
            std::error_code ec;
            for (const fs::directory_entry& e : fs::directory_iterator(fs::path(perso) / dossier, ec))
                if (e.is_regular_file(ec))
                    images.push_back(std::string(perso) + "/" + dossier + "/" + e.path().filename().string());
            std::sort(images.begin(), images.end());
            fichiers.insert(fichiers.end(), images.begin(), images.end());
        }
    }
    fichiers.push_back("stage/stage.pak");
    return fichiers;
}

uint64_t somme_du_contenu()
{
    uint64_t h = FNV_BASE;
    std::vector<char> tampon(1 << 16);
    for (const std::string& nom : fichiers_du_contenu()) {
        melanger(h, nom.c_str(), nom.size() + 1);
        std::ifstream f(nom, std::ios::binary);
        uint64_t taille = 0;
        while (f) {
            f.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
            const size_t lu = static_cast<size_t>(f.gcount());
            melanger(h, tampon.data(), lu);
            taille += lu;
        }
        const char fin[8] = {static_cast<char>(taille), static_cast<char>(taille >> 8), static_cast<char>(taille >> 16),
                             static_cast<char>(taille >> 24), 0, 0, 0, 0};
        melanger(h, fin, sizeof fin);
    }
    return h;
}
