// The three generated stages, loaded the way a match loads them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "graphics/paramlvl.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

TEST(Decors, EachStageLoadsFromTheDatafileWiderThanTheScreen)
{
    allegro_sans_systeme();
    const std::filesystem::path avant = std::filesystem::current_path();
    ASSERT_EQ(chdir(ZEF_DATA_DIR), 0);
    for (STAGE s : {aeroport, elbeuf, inde}) {
        ParamLvl lvl;
        lvl.LoadBitmap(s);
        ASSERT_NE(lvl.fond, nullptr) << ParamLvl::NomObjet(s);
        EXPECT_GE(lvl.fond->w, 1280);
        EXPECT_LE(lvl.fond->w, 1600);
        EXPECT_GE(lvl.fond->h, 600);
        EXPECT_LE(lvl.fond->h, 720);
        EXPECT_EQ(bitmap_color_depth(lvl.fond), 16);
        lvl.destroy();
        EXPECT_EQ(lvl.fond, nullptr);
    }
    std::filesystem::current_path(avant);
}

TEST(Decors, AMissingDatafileEndsTheGameWithAMessage)
{
    allegro_sans_systeme();
    DossierTemp vide;
    ParamLvl lvl;
    EXPECT_EXIT(
        {
            dup2(2, 1);
            lvl.LoadBitmap(inde);
        },
        ::testing::ExitedWithCode(1), "probleme de chargement du decor inde");
}

}  // namespace
