// A fighter whose animation file holds the most extreme numbers a file can
// hold (anchors and launch points at -2147483648, huge speeds and forces)
// plays whole computer matches with every frame drawn: under the sanitizers
// this fails on any overflow or stray access.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/simulateur.h"
#include "platform/ttftext.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

namespace fs = std::filesystem;

// The data folder seen through links, but for shiz's animation file, which
// gets extreme numbers in place of about a quarter of its numbers.
void abimer_shiz(const DossierTemp& dossier, unsigned graine)
{
    const fs::path donnees = ZEF_DATA_DIR;
    for (const auto& e : fs::directory_iterator(donnees))
        if (e.path().filename() != "shiz")
            fs::create_directory_symlink(e.path(), fs::path(dossier.chemin()) / e.path().filename());
    for (const auto& e : fs::directory_iterator(donnees / "shiz"))
        if (e.path().filename() != "shiz.p")
            fs::create_symlink(e.path(), fs::path(dossier.chemin()) / "shiz" / e.path().filename());

    std::ifstream in(donnees / "shiz/shiz.p");
    std::vector<std::string> mots((std::istream_iterator<std::string>(in)), std::istream_iterator<std::string>());
    const long extremes[] = {INT_MIN, INT_MAX, INT_MIN + 1, -1000000000, 1000000000, -1};
    std::mt19937 alea(graine);
    std::ostringstream out;
    for (size_t i = 0; i < mots.size(); ++i) {
        // Token 0 of every 40 is the picture's path.
        if (i % 40 != 0 && alea() % 4 == 0)
            out << extremes[alea() % std::size(extremes)];
        else
            out << mots[i];
        out << '\n';
    }
    dossier.ecrire("shiz/shiz.p", out.str());
}

TEST(AnimationsExtremes, AFighterWithExtremeNumbersPlaysAndDrawsWithoutFault)
{
    allegro_sans_systeme();
    alfont_init();
    for (unsigned graine = 1; graine <= 2; ++graine) {
        DossierTemp dossier;
        fs::create_directory(fs::path(dossier.chemin()) / "shiz");
        abimer_shiz(dossier, graine);
        ParamMoteur pm;
        pm.Parlvl.stage = inde;
        pm.parP1.control = pm.parP2.control = CONTROLE_CPU;
        pm.parP1.SetPerso(shiz);
        pm.parP2.SetPerso(shiz);
        SimulateurMatch sim(pm);
        sim.dessiner = true;
        sim.ticks_max = 60 * 60;
        const RapportMatch r = sim.jouer(graine);
        EXPECT_GT(r.ticks, 0);
    }
}

}  // namespace
