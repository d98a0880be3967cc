// The generated fighters as the game reads them: every animation file and
// projectile file is loaded with the game's own reader, from inside the data
// folder, and checked for what a fight needs of it.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "graphics/fichieranim.h"
#include "graphics/objetanim.h"
#include "graphics/projectile.h"

namespace fs = std::filesystem;

namespace {

const char* const kNames[] = {"shiz", "talon", "vishvakarman", "panda"};

// Slots the fighter's moves play (the engine's end-of-round poses included).
const std::vector<int> kUsedSlots = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 15, 17, 18, 19, 20, 21, 22, 23,
                                     24, 25, 26, 27, 30, 31, 32, 33, 34, 35, 36, 37, 38, 40, 41, 42, 43, 44, 45,
                                     46, 47, 50, 51, 53, 54, 56, 58};
const std::vector<int> kPlainAttacks = {20, 21, 22, 23, 24, 25, 26, 27, 30, 31, 32, 33, 34, 35, 36, 37, 38};
// Slots that play until something else starts, and so must loop.
const std::vector<int> kLoops = {0, 1, 2, 8, 9, 19, 56, 58};
constexpr int kManaMax = 152;  // at effective arcana 12

std::vector<const ImgAnim*> frames(const ListeAnim& slot) {
    std::vector<const ImgAnim*> out;
    const ItemImgAnim* node = slot.premier;
    for (int i = 0; i < slot.nbelem && node; ++i, node = node->suivant) out.push_back(&node->cont);
    return out;
}

// The last node links back into the list.
bool loops(const ListeAnim& slot) {
    const ItemImgAnim* node = slot.premier;
    for (int i = 1; i < slot.nbelem && node; ++i) node = node->suivant;
    return node && node->suivant;
}

struct Loaded {
    ObjetAnim fighter;
    Projectile fx;
};

// Loads a fighter once, from inside the data folder as the game does.
Loaded& load(int which) {
    static std::map<int, std::unique_ptr<Loaded>> cache;
    auto& slot = cache[which];
    if (!slot) {
        static const bool ready = [] {
            install_allegro(SYSTEM_NONE, &errno, atexit);
            set_color_depth(16);
            set_color_conversion(COLORCONV_TOTAL);
            return true;
        }();
        (void)ready;
        const fs::path before = fs::current_path();
        fs::current_path(ZEF_DATA_DIR);
        slot = std::make_unique<Loaded>();
        ParamJoueur p;
        p.perso = static_cast<PERSO>(which);
        slot->fighter.SetPath(p);
        slot->fighter.LoadAllAnime(p);
        slot->fx.SetPath(p);
        slot->fx.LoadAllAnime(p);
        fs::current_path(before);
    }
    return *slot;
}

class Fighter : public ::testing::TestWithParam<int> {
protected:
    std::string name() const { return kNames[GetParam()]; }
    const ObjetAnim& anims() { return load(GetParam()).fighter; }
    const ObjetAnim& fx() { return load(GetParam()).fx; }
};

TEST_P(Fighter, FilesAreCompleteAndPicturesAreClassicBmps) {
    for (const std::string& file : {name() + "/" + name() + ".p", name() + "/fx/fx.p"}) {
        std::FILE* f = std::fopen((fs::path(ZEF_DATA_DIR) / file).c_str(), "r");
        ASSERT_TRUE(f) << file;
        auto table = std::make_unique<TableAnim>();
        EXPECT_EQ(lire_fichier_anim(f, *table), NB_ENREGISTREMENTS) << file;
        std::fclose(f);
        for (const auto& slot : table->rec)
            for (const DONNEES& d : slot) {
                const std::string path = d.chemin;
                if (path.empty() || !fs::exists(fs::path(ZEF_DATA_DIR) / path)) continue;
                EXPECT_EQ(path.rfind(name() + "/", 0), 0u) << path;
                std::ifstream bmp(fs::path(ZEF_DATA_DIR) / path, std::ios::binary);
                unsigned char h[30] = {};
                bmp.read(reinterpret_cast<char*>(h), sizeof h);
                EXPECT_TRUE(h[0] == 'B' && h[1] == 'M' && h[14] == 40 && h[28] == 24) << path;
            }
    }
}

TEST_P(Fighter, EveryUsedSlotHasFramesOfItsOwn) {
    for (int slot : kUsedSlots) EXPECT_FALSE(anims().CONTENU[slot].EstVide()) << name() << " slot " << slot;
}

TEST_P(Fighter, EveryFrameHasHonestBodyZonesAndAPositiveTime) {
    for (int slot : kUsedSlots)
        for (const ImgAnim* f : frames(anims().CONTENU[slot])) {
            ASSERT_TRUE(f->img);
            EXPECT_GE(f->nbstand, 1) << f->chem;
            EXPECT_GT(f->tpimg, 0) << f->chem;
            // The anchor stands on the picture's bottom row, inside it.
            EXPECT_EQ(f->O.y, f->img->h) << f->chem;
            EXPECT_TRUE(f->O.x >= 0 && f->O.x < f->img->w) << f->chem;
            for (int i = 0; i < f->nbstand; ++i) {
                const ZONE& z = f->stand[i];
                EXPECT_LE(z.SupG.x, z.InfD.x) << f->chem;
                EXPECT_GE(z.SupG.y, z.InfD.y) << f->chem;
                // Zones are not mirrored in play: they must serve both facings.
                EXPECT_EQ(z.SupG.x, -z.InfD.x) << f->chem;
                // Within the drawn picture (a pixel of rounding aside).
                EXPECT_LE(z.SupG.y, f->O.y + 2) << f->chem;
                EXPECT_GE(z.InfD.y, -1) << f->chem;
                EXPECT_LE(z.InfD.x, std::max(f->O.x, f->img->w - f->O.x) + 2) << f->chem;
            }
        }
}

TEST_P(Fighter, AttacksStrikeFromTheDrawnLimbOnlyOnActiveFrames) {
    for (int slot : kUsedSlots) {
        const bool attack = slot >= 20 && slot <= 47;
        int striking = 0;
        for (const ImgAnim* f : frames(anims().CONTENU[slot])) {
            if (!attack) {
                EXPECT_EQ(f->nbattaque, 0) << f->chem;
            }
            if (f->nbattaque == 0) continue;
            ++striking;
            EXPECT_GT(f->deg.dmg, 0) << f->chem;
            for (int i = 0; i < f->nbattaque; ++i) {
                // In play y grows upward from the anchor.
                const POINT& p = f->attaque[i];
                EXPECT_TRUE(p.x >= -f->O.x - 3 && p.x <= f->img->w - f->O.x + 3) << f->chem << " x " << p.x;
                EXPECT_TRUE(p.y >= -3 && p.y <= f->O.y + 3) << f->chem << " y " << p.y;
            }
            // A knock-down throws the victim up, not into the ground.
            if (f->deg.tombe) {
                EXPECT_GT(f->deg.ForceVy, 0) << f->chem;
            }
            EXPECT_GE(f->deg.ForceVx, 0) << f->chem;
        }
        for (int plain : kPlainAttacks)
            if (plain == slot) {
                EXPECT_GE(striking, 1) << name() << " slot " << slot << " never strikes";
            }
    }
}

TEST_P(Fighter, IdleWalkAndTheOtherHeldPosesLoop) {
    for (int slot : kLoops) EXPECT_TRUE(loops(anims().CONTENU[slot])) << name() << " slot " << slot;
}

TEST_P(Fighter, CostlyMovesFitTheManaBarAndTheComputersThresholds) {
    auto cost = [&](int slot) { return frames(anims().CONTENU[slot]).front()->mana; };
    for (int slot : {2, 11, 40, 41, 42, 43, 44, 45, 46, 47}) {
        EXPECT_GT(cost(slot), 0) << name() << " slot " << slot;
        EXPECT_LT(cost(slot), kManaMax) << name() << " slot " << slot;
    }
    // The computer tries the plain specials above 30 mana, the supers above
    // 50 and the megas above 80: each must be affordable at its threshold.
    for (int slot : {40, 41, 42, 43}) EXPECT_LE(cost(slot), 30) << slot;
    for (int slot : {44, 45}) EXPECT_LE(cost(slot), 50) << slot;
    for (int slot : {46, 47}) EXPECT_LE(cost(slot), 80) << slot;
    for (int slot : {2, 11}) EXPECT_LE(cost(slot), 12) << slot;
}

TEST_P(Fighter, EveryLaunchedProjectileExistsFliesStrikesAndLoops) {
    std::set<int> launched;
    for (int slot = 40; slot <= 47; ++slot) {
        int launches = 0, strikes = 0;
        for (const ImgAnim* f : frames(anims().CONTENU[slot])) {
            if (f->ObjSpe >= 0) {
                launched.insert(f->ObjSpe);
                ++launches;
            }
            strikes += f->nbattaque > 0;
        }
        EXPECT_GE(launches + strikes, 1) << name() << " special " << slot << " does nothing";
        EXPECT_LE(launches, 1) << name() << " special " << slot;
    }
    EXPECT_FALSE(launched.empty()) << name() << " never launches its projectile";
    for (int slot : launched) {
        ASSERT_TRUE(slot >= 0 && slot < 60);
        const ListeAnim& list = fx().CONTENU[slot];
        ASSERT_FALSE(list.EstVide()) << name() << " projectile " << slot;
        EXPECT_TRUE(loops(list)) << name() << " projectile " << slot;
        for (const ImgAnim* f : frames(list)) {
            EXPECT_GT(f->mvtx, 0) << f->chem;
            EXPECT_GE(f->nbattaque, 1) << f->chem;
            EXPECT_GT(f->deg.dmg, 0) << f->chem;
        }
    }
}

// Zones of two frames overlap with the second fighter d pixels to the right.
bool bodies_touch(const ImgAnim& a, const ImgAnim& b, int d) {
    for (int i = 0; i < a.nbstand; ++i)
        for (int j = 0; j < b.nbstand; ++j) {
            const ZONE &p = a.stand[i], &q = b.stand[j];
            if (q.SupG.x + d <= p.InfD.x && p.SupG.x <= q.InfD.x + d && q.InfD.y <= p.SupG.y && p.InfD.y <= q.SupG.y)
                return true;
        }
    return false;
}

bool strikes(const ImgAnim& attack, const ImgAnim& target, int d) {
    for (int i = 0; i < attack.nbattaque; ++i)
        for (int j = 0; j < target.nbstand; ++j) {
            const POINT& p = attack.attaque[i];
            const ZONE& z = target.stand[j];
            if (z.SupG.x + d <= p.x && p.x <= z.InfD.x + d && z.InfD.y <= p.y && p.y <= z.SupG.y) return true;
        }
    return false;
}

TEST_P(Fighter, GroundAttacksReachAnOpponentStandingAsCloseAsBodiesAllow) {
    // Pushed apart by their zones, two idle fighters stand at `close`; every
    // standing and crouching attack must land on the other from there.
    const ImgAnim& idle = *frames(anims().CONTENU[0]).front();
    for (int other = 0; other < 4; ++other) {
        const ImgAnim& target = *frames(load(other).fighter.CONTENU[0]).front();
        int close = 0;
        while (bodies_touch(idle, target, close)) ++close;
        for (int slot : {20, 21, 22, 23, 30, 31, 32, 33, 34}) {
            bool lands = false;
            for (const ImgAnim* f : frames(anims().CONTENU[slot])) lands = lands || strikes(*f, target, close + 2);
            EXPECT_TRUE(lands) << name() << " slot " << slot << " misses " << kNames[other] << " at " << close;
        }
    }
}

TEST_P(Fighter, ACrouchDucksTheJab) {
    const ImgAnim& idle = *frames(anims().CONTENU[0]).front();
    for (int other = 0; other < 4; ++other) {
        const ImgAnim& crouched = *frames(load(other).fighter.CONTENU[19]).front();
        for (int d = 0; d < 200; ++d) {
            if (bodies_touch(idle, crouched, d)) continue;
            for (const ImgAnim* f : frames(anims().CONTENU[20]))
                EXPECT_FALSE(strikes(*f, crouched, d)) << name() << " jab hits " << kNames[other] << " crouched at " << d;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fighters, Fighter, ::testing::Values(0, 1, 2, 3),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(kNames[info.param]); });

}  // namespace
