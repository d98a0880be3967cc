// Damaged and hostile files: every picture and the stage datafile are
// checked before the library's loaders see them. Our own generated files all
// pass; crafted and damaged ones are refused with a message naming them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "graphics/fichierbmp.h"
#include "graphics/fichierpak.h"
#include "graphics/paramlvl.h"
#include "support/allegro_env.h"
#include "support/dossier_temp.h"

namespace {

namespace fs = std::filesystem;
using Octets = std::vector<uint8_t>;

Octets lire(const fs::path& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    return Octets((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void poser32(Octets& o, size_t pos, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        o[pos + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A BMP with the classic header: width, height, bits a pixel, compression,
// and `pixels` after a palette of `couleurs` entries.
Octets bmp(int32_t w, int32_t h, int bits, int compression, const Octets& pixels, int couleurs = 0)
{
    Octets o(54 + 4 * couleurs, 0);
    o[0] = 'B';
    o[1] = 'M';
    poser32(o, 10, static_cast<uint32_t>(o.size()));
    poser32(o, 14, 40);
    poser32(o, 18, static_cast<uint32_t>(w));
    poser32(o, 22, static_cast<uint32_t>(h));
    o[26] = 1;
    o[28] = static_cast<uint8_t>(bits);
    poser32(o, 30, static_cast<uint32_t>(compression));
    o.insert(o.end(), pixels.begin(), pixels.end());
    poser32(o, 2, static_cast<uint32_t>(o.size()));
    return o;
}

Octets rvb_2x2() { return bmp(2, 2, 24, 0, {0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0}); }

class Fichiers : public ::testing::Test {
protected:
    void SetUp() override { allegro_sans_systeme(); }
};

TEST_F(Fichiers, EveryGeneratedPictureAndTheStageDatafilePassTheirChecks)
{
    int images = 0;
    for (const auto& e : fs::recursive_directory_iterator(ZEF_DATA_DIR)) {
        if (e.path().extension() != ".bmp")
            continue;
        const Octets o = lire(e.path());
        EXPECT_EQ(defaut_bmp(o.data(), o.size()), nullptr) << e.path();
        ++images;
    }
    EXPECT_GT(images, 100);
    const Octets pak = lire(fs::path(ZEF_DATA_DIR) / "stage/stage.pak");
    EXPECT_EQ(defaut_pak(pak.data(), pak.size()), nullptr);
}

TEST_F(Fichiers, ACheckedPictureLoadsWithItsSizeAndColours)
{
    const Octets o = rvb_2x2();
    PALETTE pal;
    BITMAP* image = lire_bmp(o.data(), o.size(), pal, "test");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 2);
    EXPECT_EQ(image->h, 2);
    EXPECT_EQ(getpixel(image, 0, 1), makecol_depth(bitmap_color_depth(image), 255, 0, 0));   // bottom row first
    destroy_bitmap(image);
}

TEST_F(Fichiers, CraftedPicturesAreRefusedBeforeTheLoader)
{
    struct Cas {
        const char* quoi;
        Octets octets;
    };
    std::vector<Cas> cas = {
        {"a header claiming 65536 x 65536", bmp(65536, 65536, 24, 0, Octets(64))},
        {"a 24-bit picture marked RLE8", bmp(64, 64, 24, 1, {255, 7, 255, 7, 255, 7, 0, 1})},
        {"an RLE8 run leaving the picture", bmp(4, 4, 8, 1, {200, 1, 0, 1}, 2)},
        {"an RLE8 stream cut short", bmp(4, 4, 8, 1, {4, 1, 0}, 2)},
        {"pixels cut short", bmp(100, 100, 24, 0, Octets(100))},
        {"a negative height", bmp(2, -2, 24, 0, Octets(16))},
        {"not a BMP", Octets(80, 'x')},
    };
    const Octets entier = rvb_2x2();
    cas.push_back({"a header cut short", Octets(entier.begin(), entier.begin() + 30)});
    Octets palette_geante = rvb_2x2();
    poser32(palette_geante, 10, 54 + 300 * 4);   // the loader would read 300 palette entries into 256
    palette_geante.resize(54 + 300 * 4 + 16);
    cas.push_back({"a pixel offset past a 256-colour palette", palette_geante});

    for (const Cas& c : cas)
        EXPECT_NE(defaut_bmp(c.octets.data(), c.octets.size()), nullptr) << c.quoi;

    // Refused when loading, with a line naming the file.
    DossierTemp dossier;
    const Cas& geant = cas[0];
    dossier.ecrire("graphics/geant.bmp", std::string(geant.octets.begin(), geant.octets.end()));
    testing::internal::CaptureStderr();
    EXPECT_EQ(charger_bmp("graphics/geant.bmp", nullptr), nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("graphics/geant.bmp"), std::string::npos);
    EXPECT_EQ(charger_bmp("graphics/absent.bmp", nullptr), nullptr);
}

TEST_F(Fichiers, AStageDatafileWithBytesMissingOrCutIsRefused)
{
    const Octets pak = lire(fs::path(ZEF_DATA_DIR) / "stage/stage.pak");
    ASSERT_GT(pak.size(), 1000u);
    std::mt19937 alea(11);
    int acceptes = 0;
    for (int essai = 0; essai < 180; ++essai) {
        // A run of 1 to 64 bytes deleted anywhere, header included.
        Octets abime = pak;
        const size_t longueur = 1 + alea() % 64;
        const size_t debut = essai < 20 ? essai : alea() % (pak.size() - longueur);
        abime.erase(abime.begin() + debut, abime.begin() + debut + longueur);
        acceptes += defaut_pak(abime.data(), abime.size()) ? 0 : 1;
    }
    EXPECT_EQ(acceptes, 0);
    for (size_t taille : {size_t(0), size_t(3), size_t(11), pak.size() / 2, pak.size() - 1})
        EXPECT_NE(defaut_pak(pak.data(), taille), nullptr) << taille;
}

TEST_F(Fichiers, AStageStoredAsAnotherKindOfObjectIsRefused)
{
    // A font named as a stage, claiming two billion glyphs: the library's
    // font loader would try to allocate them all.
    const auto grand = [](Octets& o, int32_t v) {
        for (int i = 3; i >= 0; --i)
            o.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    };
    const auto texte = [](Octets& o, const char* s) { o.insert(o.end(), s, s + std::strlen(s)); };
    for (const char* genre : {"FONT", "SAMP", "RLE ", "DATA"}) {
        Octets corps = {0, 0, 0, 1, 0};
        grand(corps, 32);
        grand(corps, 0x7FFFFFF0);
        Octets pak;
        texte(pak, "slh.ALL.");
        grand(pak, 1);
        texte(pak, "propNAME");
        grand(pak, 4);
        texte(pak, "inde");
        texte(pak, genre);
        grand(pak, static_cast<int32_t>(corps.size()));
        grand(pak, static_cast<int32_t>(corps.size()));
        pak.insert(pak.end(), corps.begin(), corps.end());
        EXPECT_NE(defaut_pak(pak.data(), pak.size()), nullptr) << genre;
    }
}

TEST_F(Fichiers, ADamagedStageDatafileEndsTheGameWithAMessageNamingIt)
{
    Octets pak = lire(fs::path(ZEF_DATA_DIR) / "stage/stage.pak");
    pak.erase(pak.begin() + pak.size() / 3, pak.begin() + pak.size() / 3 + 5);
    DossierTemp dossier;
    dossier.ecrire("stage/stage.pak", std::string(pak.begin(), pak.end()));
    ParamLvl lvl;
    EXPECT_EXIT(
        {
            dup2(2, 1);
            lvl.LoadBitmap(inde);
        },
        ::testing::ExitedWithCode(1), "stage/stage.pak est endommage");
}

}  // namespace
