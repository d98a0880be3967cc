#include "rejeu.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "../shell/ecriture_atomique.h"

ParamMoteur Rejeu::parametres() const
{
    ParamMoteur pm;
    pm.ModeEvolution = evolution;
    pm.ModeDeJeu = mode;
    pm.edition = edition;
    pm.Parlvl.stage = stage;
    for (int i = 0; i < 2; ++i) {
        ParamJoueur& j = i == 0 ? pm.parP1 : pm.parP2;
        j.SetPersoSansXp(cotes[i].perso);
        j.carac = cotes[i].carac;
        // The computer plays again by itself; a human's keys come from the
        // record, whatever device they were read from.
        j.control = cotes[i].control == CONTROLE_CPU ? CONTROLE_CPU : CONTROLE_CLAVIER;
    }
    return pm;
}

const char* charger_rejeu(const char* chemin, Rejeu& r)
{
    std::FILE* f = std::fopen(chemin, "rb");
    if (!f)
        return "cannot be opened";
    // A replay of the longest match fits in a few megabytes.
    const size_t plafond = 64u << 20;
    std::vector<uint8_t> octets;
    uint8_t tampon[1 << 16];
    size_t lu;
    while ((lu = std::fread(tampon, 1, sizeof tampon, f)) > 0 && octets.size() <= plafond)
        octets.insert(octets.end(), tampon, tampon + lu);
    std::fclose(f);
    if (octets.size() > plafond)
        return "far larger than any replay";
    return lire_rejeu(octets.data(), octets.size(), r);
}

namespace {

const char* const NOMS[] = {"shiz", "talon", "vishvakarman", "panda"};

}  // namespace

std::string nom_rejeu(const Rejeu& r, int64_t quand)
{
    const std::time_t t = static_cast<std::time_t>(quand);
    std::tm date{};
    localtime_r(&t, &date);
    char nom[96];
    std::snprintf(nom, sizeof nom, "%04d%02d%02d-%02d%02d%02d-%s-%s.zrp", date.tm_year + 1900, date.tm_mon + 1,
                  date.tm_mday, date.tm_hour, date.tm_min, date.tm_sec, NOMS[r.cotes[0].perso], NOMS[r.cotes[1].perso]);
    return nom;
}

std::string garder_rejeu(const Rejeu& r, int64_t quand)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(DOSSIER_REJEUX, ec);
    std::string chemin = (fs::path(DOSSIER_REJEUX) / nom_rejeu(r, quand)).string();
    // Two matches ended in the same second: the second gets a number.
    for (int n = 2; fs::exists(chemin, ec) && n < 100; ++n)
        chemin = (fs::path(DOSSIER_REJEUX) / (nom_rejeu(r, quand).insert(15, "-" + std::to_string(n)))).string();
    const std::string octets = ecrire_rejeu(r);
    const bool ecrit = ecrire_atomiquement(chemin, [&octets](std::FILE* f) {
        return std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
    }) == ECRITURE_REUSSIE;
    if (!ecrit) {
        std::fprintf(stderr, "zef: the replay could not be written to %s\n", chemin.c_str());
        return "";
    }
    // The names start with the date: the oldest sort first.
    std::vector<fs::path> rejeux;
    for (const auto& e : fs::directory_iterator(DOSSIER_REJEUX, ec))
        if (e.path().extension() == ".zrp")
            rejeux.push_back(e.path());
    std::sort(rejeux.begin(), rejeux.end());
    for (size_t i = 0; i + REJEUX_GARDES < rejeux.size(); ++i)
        fs::remove(rejeux[i], ec);
    return chemin;
}
