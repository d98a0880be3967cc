// zef-sim: computer against computer, many matches, headless, for balancing
// the fighters.
//
//   zef-sim --p1 shiz --p2 panda --stage inde --matches 200 --seed 7 [--data DIR] [--moves]
//           [--edition classique|ameliore]
//   zef-sim --revoir FILE [--data DIR]
//
// Prints one line per match and a summary; --moves adds, for each side, what
// every slot landed (clean and guarded hits, life taken). Run from the game's
// data folder, or name it with --data. --revoir plays a recorded match again
// and checks it against its record: status 0 when it matches, 2 otherwise.
#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "engine/simulateur.h"
#include "platform/ttftext.h"

namespace {

const char* const PERSOS[] = {"shiz", "talon", "vishvakarman", "panda"};
const char* const DECORS[] = {"aeroport", "elbeuf", "inde"};

template <size_t N>
int indice(const char* const (&noms)[N], const std::string& nom)
{
    for (size_t i = 0; i < N; ++i)
        if (nom == noms[i])
            return static_cast<int>(i);
    return -1;
}

// Plays a replay again and tells whether it is the match it recorded.
int revoir(const char* chemin)
{
    Rejeu r;
    if (const char* defaut = charger_rejeu(chemin, r)) {
        std::fprintf(stderr, "zef-sim: %s: %s\n", chemin, defaut);
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    set_color_conversion(COLORCONV_TOTAL);
    alfont_init();
    const VerificationRejeu v = verifier_rejeu(r);
    std::printf("%s: %s vs %s on %s, %.1f s of fighting\n", chemin, PERSOS[r.cotes[0].perso], PERSOS[r.cotes[1].perso],
                DECORS[r.stage], static_cast<double>(v.ticks) / 60.0);
    std::printf("winner %d, final checksum %016llx\n", v.winner, static_cast<unsigned long long>(v.somme_finale));
    static const char* const RESULTATS[] = {"abandoned", "knock-out by side 1", "knock-out by side 2", "draw",
                                            "time-up won by side 1", "time-up won by side 2"};
    size_t ko = 0;
    for (size_t i = 0; i < v.rapport.resultats.size(); ++i) {
        const int res = v.rapport.resultats[i];
        std::printf("round %zu: %s", i + 1, res >= 0 && res <= 5 ? RESULTATS[res] : "?");
        if ((res == 1 || res == 2) && ko < v.rapport.appels_ko.size())
            std::printf(", called %.2f s after the last hit", static_cast<double>(v.rapport.appels_ko[ko++]) / 60.0);
        if (i < v.rapport.vies.size()) {
            const RapportMatch::Vies& f = v.rapport.vies[i];
            std::printf(", lives %d/%d and %d/%d", f.vie[0], f.pv[0], f.vie[1], f.pv[1]);
        }
        std::printf("\n");
    }
    for (int cote = 0; cote < 2; ++cote)
        for (int slot = 0; slot < 8; ++slot)
            if (v.rapport.speciaux[cote][slot] > 0)
                std::printf("side %d special %d: %d\n", cote + 1, 40 + slot, v.rapport.speciaux[cote][slot]);
    if (v.conforme) {
        std::printf("as recorded\n");
        return 0;
    }
    std::printf("DIFFERENT from the record (winner %d, final checksum %016llx)", r.winner,
                static_cast<unsigned long long>(r.somme_finale));
    if (v.premier_ecart > 0)
        std::printf(": first differing tick %lld", static_cast<long long>(v.premier_ecart));
    std::printf("\n");
    return 2;
}

[[noreturn]] void usage(const char* message)
{
    std::fprintf(stderr, "zef-sim: %s\n", message);
    std::fprintf(stderr, "usage: zef-sim --p1 FIGHTER --p2 FIGHTER --stage STAGE [--matches N] [--seed N] [--data DIR] [--moves]\n"
                         "               [--edition classique|ameliore]\n"
                         "       zef-sim --revoir FILE [--data DIR]\n"
                         "  fighters: shiz talon vishvakarman panda; stages: aeroport elbeuf inde\n");
    std::exit(2);
}

// What one slot of one side landed over all the matches.
struct Bilan {
    int nets = 0, gardes = 0;
    long degats = 0;
};

void imprimer_bilans(const char* nom, const std::map<int, Bilan>& bilans)
{
    long total = 0;
    for (const auto& [slot, b] : bilans)
        total += b.degats;
    std::printf("\n%s: slot  clean  guarded  life taken (share)\n", nom);
    for (const auto& [slot, b] : bilans) {
        char etiquette[16];
        if (slot >= 60)
            std::snprintf(etiquette, sizeof etiquette, "fx %d", slot - 60);
        else
            std::snprintf(etiquette, sizeof etiquette, "%d", slot);
        std::printf("%10s %6d %8d %11ld (%4.1f%%)\n", etiquette, b.nets, b.gardes, b.degats,
                    total > 0 ? 100.0 * static_cast<double>(b.degats) / static_cast<double>(total) : 0.0);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int p1 = 0, p2 = 1, decor = 0, matches = 10;
    unsigned graine = 1;
    bool par_coup = false;
    Edition edition = Edition::classique;
    std::string rejeu;   // absolute: --data may change the folder after it
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        if (opt == "--moves") {
            par_coup = true;
            continue;
        }
        if (i + 1 >= argc)
            usage(("missing value after " + opt).c_str());
        const std::string val = argv[++i];
        if (opt == "--p1")
            p1 = indice(PERSOS, val);
        else if (opt == "--p2")
            p2 = indice(PERSOS, val);
        else if (opt == "--stage")
            decor = indice(DECORS, val);
        else if (opt == "--matches")
            matches = std::atoi(val.c_str());
        else if (opt == "--seed")
            graine = static_cast<unsigned>(std::strtoul(val.c_str(), nullptr, 10));
        else if (opt == "--edition") {
            if (!edition_nommee(val.c_str(), edition))
                usage(("unknown edition " + val).c_str());
        } else if (opt == "--revoir")
            rejeu = std::filesystem::absolute(val).string();
        else if (opt == "--data") {
            if (chdir(val.c_str()) != 0)
                usage(("cannot enter " + val).c_str());
        } else
            usage(("unknown option " + opt).c_str());
        if (p1 < 0 || p2 < 0)
            usage(("unknown fighter " + val).c_str());
        if (decor < 0)
            usage(("unknown stage " + val).c_str());
    }
    if (matches < 1)
        usage("--matches needs a positive number");
    if (!rejeu.empty())
        return revoir(rejeu.c_str());

    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    set_color_conversion(COLORCONV_TOTAL);
    alfont_init();

    ParamMoteur pm;
    pm.Parlvl.stage = static_cast<STAGE>(decor);
    pm.edition = edition;
    pm.parP1.control = pm.parP2.control = CONTROLE_CPU;
    pm.parP1.SetPerso(static_cast<PERSO>(p1));
    pm.parP2.SetPerso(static_cast<PERSO>(p2));

    SimulateurMatch sim(pm);
    std::map<int, Bilan> bilans[2];
    if (par_coup)
        sim.moteur().sur_coup = [&bilans](int cote, int slot, int degats, bool garde) {
            Bilan& b = bilans[cote][slot];
            ++(garde ? b.gardes : b.nets);
            b.degats += degats;
        };
    int victoires[3] = {0, 0, 0};
    long rounds = 0, ko = 0, temps = 0, nuls = 0, coups1 = 0, coups2 = 0;
    int64_t ticks = 0;
    for (int n = 0; n < matches; ++n) {
        const RapportMatch r = sim.jouer(graine + static_cast<unsigned>(n));
        ++victoires[r.winner];
        rounds += r.rounds;
        ko += r.ko;
        temps += r.temps;
        nuls += r.nuls;
        coups1 += r.coups[0];
        coups2 += r.coups[1];
        ticks += r.ticks;
        std::printf("match %3d: winner %d, rounds %d (KO %d, time-up %d, draws %d), hits %d/%d, %.1f s, checksum %016llx\n",
                    n + 1, r.winner, r.rounds, r.ko, r.temps, r.nuls, r.coups[0], r.coups[1],
                    static_cast<double>(r.ticks) / 60.0, static_cast<unsigned long long>(r.somme));
    }
    std::printf("\n%s vs %s on %s, %d matches from seed %u\n", PERSOS[p1], PERSOS[p2], DECORS[decor], matches, graine);
    std::printf("wins: side 1 %d, side 2 %d, unfinished %d\n", victoires[1], victoires[2], victoires[0]);
    std::printf("average rounds %.2f; knock-outs %ld, time-ups %ld, draws %ld\n",
                static_cast<double>(rounds) / matches, ko, temps, nuls);
    std::printf("average hits per match %.1f / %.1f; average fight time %.1f s\n",
                static_cast<double>(coups1) / matches, static_cast<double>(coups2) / matches,
                static_cast<double>(ticks) / 60.0 / matches);
    if (par_coup) {
        imprimer_bilans(PERSOS[p1], bilans[0]);
        imprimer_bilans(PERSOS[p2], bilans[1]);
    }
    return 0;
}
END_OF_MAIN()
