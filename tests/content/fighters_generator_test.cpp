// The fighter generator itself: its source format, its sprites and its
// output, without the game.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "common/output.h"
#include "frames.h"
#include "generate.h"
#include "graphics/fichieranim.h"
#include "render.h"
#include "source.h"

namespace fs = std::filesystem;

namespace {

const char* const kTiny = R"(
fighter tiny
bones head=10 torso=40
palette skin=#c08060 outline=#101010
pose stance lean=5 sN=20 eN=90 hN=10 kN=10 hF=-10 kF=10 # a comment
pose lunge from=stance lean+=15 sN=90 eN=0
anim 0 idle
frame stance t=20 loop
anim 20 jab
frame mix:stance:lunge:0.5 t=5
frame lunge t=9 hit=fistN dmg=5 kx=18
)";

FighterSource parse(const std::string& text) { return parse_fighter_text(text, fs::temp_directory_path(), "tiny"); }

std::string error_of(const std::string& text) {
    try {
        parse(text);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(FighterSource, PosesBuildOnTheirBaseAndBlend) {
    const FighterSource src = parse(kTiny);
    EXPECT_EQ(src.name, "tiny");
    EXPECT_EQ(src.colour("skin"), (Rgb{0xc0, 0x80, 0x60}));
    const Pose lunge = src.pose("lunge");
    EXPECT_DOUBLE_EQ(lunge[J_LEAN], 20);  // 5 from the base, then += 15
    EXPECT_DOUBLE_EQ(lunge[J_SN], 90);
    EXPECT_DOUBLE_EQ(lunge[J_HN], 10);  // inherited
    const Pose half = src.pose(src.anims.at(20).frames[0].pose);
    EXPECT_DOUBLE_EQ(half[J_SN], 55);
    EXPECT_DOUBLE_EQ(half[J_EN], 45);
    const FrameDef& hit = src.anims.at(20).frames[1];
    EXPECT_EQ(hit.hits, std::vector<std::string>{"fistN"});
    EXPECT_EQ(hit.dmg, 5);
    EXPECT_TRUE(src.anims.at(0).frames[0].loop);
}

TEST(FighterSource, MistakesAreReportedWithTheirLine) {
    EXPECT_NE(error_of("fighter x\npalette skin=#12345\n").find("tiny:2:"), std::string::npos);
    EXPECT_NE(error_of("fighter x\npose a elbow=3\n").find("unknown joint 'elbow'"), std::string::npos);
    EXPECT_NE(error_of("fighter x\nframe a\n").find("outside an 'anim'"), std::string::npos);
    EXPECT_NE(error_of("fighter x\nanim 60\n").find("slots are 0 to 59"), std::string::npos);
    std::string sixteen = "fighter x\nanim 3\n";
    for (int i = 0; i < 16; ++i) sixteen += "frame a\n";
    EXPECT_NE(error_of(sixteen).find("at most 15 frames"), std::string::npos);
    EXPECT_NE(error_of("fighter x\nanim 3\nframe a fx=2\n").find("fx=SLOT@POINT"), std::string::npos);
    const FighterSource circular = parse("fighter x\npose a from=b\npose b from=a\n");
    EXPECT_THROW(circular.pose("a"), std::runtime_error);
}

TEST(FighterSprite, EveryPixelIsOpaqueOrExactlyTheMaskColour) {
    // Premultiplied ARGB: half-covered red, barely covered red, solid
    // magenta (which must not read as the mask), nothing.
    const std::uint32_t px[4] = {0x80800000u, 0x20200000u, 0xffff00ffu, 0x00000000u};
    const Image img = to_masked(px, 4, 1, 4);
    EXPECT_EQ(img.at(0, 0), (Rgb{255, 0, 0}));  // un-premultiplied
    EXPECT_EQ(img.at(1, 0), kMaskColour);
    EXPECT_FALSE(img.at(2, 0) == kMaskColour);
    EXPECT_EQ(img.at(3, 0), kMaskColour);

    const FighterSource src = parse(kTiny);
    const FrameDef& f = src.anims.at(20).frames[1];
    const Sprite s = render_frame(src, src.pose(f.pose), f, std::nullopt, 0);
    int opaque = 0;
    for (int y = 0; y < s.image.height; ++y)
        for (int x = 0; x < s.image.width; ++x) opaque += !(s.image.at(x, y) == kMaskColour);
    EXPECT_GT(opaque, 500);
    // The anchor is on the ground row, under the pelvis.
    EXPECT_EQ(s.oy, s.image.height);
    EXPECT_NEAR(s.body.pelvis.x, 0, 1);
    EXPECT_LT(s.body.head.y, s.body.pelvis.y);
    // The outline goes round the figure: no opaque pixel on the picture's border rows above the feet.
    for (int x = 0; x < s.image.width; ++x) EXPECT_EQ(s.image.at(x, 0), kMaskColour);
}

TEST(FighterFrames, ZonesCoverTheBodyForBothFacingsButNotAKickingLeg) {
    const FighterSource src = parse(kTiny);
    Pose kick = src.pose("stance");
    kick[J_HN] = 95;
    kick[J_KN] = 0;
    Body body = pose_body(src.bones, kick);
    body.translate({0, -std::max(body.ankleF.y, body.toeF.y) - 4});
    const std::vector<IZone> zones = body_zones(src.bones, body);
    ASSERT_EQ(zones.size(), 3u);
    for (const IZone& z : zones) EXPECT_EQ(z.x0, -z.x1);
    // The head zone holds the head; the legs zone stops short of the kicking foot.
    EXPECT_LE(zones[0].y0, body.head.y - src.bones.head + 1);
    const Vec foot = strike_point(src, body, "footN");
    EXPECT_GT(foot.x, zones[2].x1 + 10);
    // The foot's striking point is past the toes, the fist's past the knuckles.
    auto from_ankle = [&](Vec p) { return std::hypot(p.x - body.ankleN.x, p.y - body.ankleN.y); };
    EXPECT_GT(from_ankle(foot), from_ankle(body.toeN));
    EXPECT_GT(strike_point(src, body, "fistN").x, body.fistN.x - 0.01);
    EXPECT_DOUBLE_EQ(strike_point(src, body, "12:-40").y, -40);
}

TEST(FighterRig, AnglesFollowTheirConventions) {
    Bones b;
    Pose p;
    // Everything hangs straight down from a pelvis at the origin.
    Body rest = pose_body(b, p);
    EXPECT_NEAR(rest.neck.x, 0, 1e-9);
    EXPECT_NEAR(rest.neck.y, -b.torso, 1e-9);
    EXPECT_NEAR(rest.ankleN.y, b.thigh + b.shin, 1e-9);
    // An upper arm at 90 with a straight elbow points the fist forward.
    p[J_SN] = 90;
    Body punch = pose_body(b, p);
    EXPECT_NEAR(punch.fistN.x - punch.shoulder.x, b.upperarm + b.forearm + b.hand, 1e-9);
    EXPECT_NEAR(punch.fistN.y, punch.shoulder.y, 1e-9);
    // A bent knee takes the foot back; a forward lean takes the head forward.
    p[J_KN] = 60;
    p[J_LEAN] = 20;
    Body bent = pose_body(b, p);
    EXPECT_LT(bent.ankleN.x, -10);
    EXPECT_GT(bent.head.x, 10);
    // Pitched back a quarter turn the fighter lies on its back: head behind,
    // feet in front, and a fist that pointed forward now points up.
    p = Pose();
    p[J_ROT] = -90;
    p[J_SN] = 90;
    Body lying = pose_body(b, p);
    EXPECT_LT(lying.head.x, -b.torso);
    EXPECT_GT(lying.ankleN.x, b.thigh);
    EXPECT_NEAR(lying.ankleN.y, 0, 1e-6);
    EXPECT_LT(lying.fistN.y, lying.shoulder.y - b.upperarm);
    EXPECT_NEAR(std::fmod(lying.forearmN + 360, 360), 180, 1e-9);
}

TEST(FighterFrames, TheGamesReaderGetsBackEveryField) {
    AnimTable table;
    FrameRecord r;
    r.path = "tiny/img/22-3.bmp";
    r.anchor = {41, 152};
    r.mvtx = 20;
    r.mvty = -60;
    r.attacks = {{70, -110}, {55, -104}, {38, -100}};
    r.dmg = 28;
    r.kx = 34;
    r.ky = -55;
    r.down = true;
    r.zones = {{-20, -150, 20, -120}, {-24, -125, 24, -70}, {-36, -80, 36, 0}};
    r.time = 12;
    r.loop = true;
    r.mana = 44;
    r.fx = 2;
    r.fx_at = {60, -100};
    table[22] = {FrameRecord{}, FrameRecord{}, FrameRecord{}, r};
    const std::string text = anim_file_text(table);
    std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    ASSERT_TRUE(f);
    auto read = std::make_unique<TableAnim>();
    EXPECT_EQ(lire_fichier_anim(f, *read), NB_ENREGISTREMENTS);
    std::fclose(f);
    const DONNEES& d = read->rec[22][3];
    EXPECT_STREQ(d.chemin, "tiny/img/22-3.bmp");
    EXPECT_EQ(d.O.x, 41);
    EXPECT_EQ(d.O.y, 152);
    EXPECT_EQ(d.mvtx, 20);
    EXPECT_EQ(d.mvty, -60);
    EXPECT_EQ(d.nb_attaques, 3);
    EXPECT_EQ(d.attaque[2].x, 38);
    EXPECT_EQ(d.attaque[2].y, -100);
    EXPECT_EQ(d.dgt.dmg, 28);
    EXPECT_TRUE(d.dgt.tombe);
    EXPECT_EQ(d.dgt.ForceVx, 34);
    EXPECT_EQ(d.dgt.ForceVy, -55);
    EXPECT_EQ(d.nb_touches, 3);
    EXPECT_EQ(d.touche[1].SupG.x, -24);
    EXPECT_EQ(d.touche[1].SupG.y, -125);
    EXPECT_EQ(d.touche[2].InfD.x, 36);
    EXPECT_EQ(d.touche[2].InfD.y, 0);
    EXPECT_EQ(d.time, 12);
    EXPECT_TRUE(d.boucl);
    EXPECT_EQ(d.mana, 44);
    EXPECT_EQ(d.lanceFX, 2);
    EXPECT_EQ(d.positionFX.x, 60);
    EXPECT_EQ(d.positionFX.y, -100);
    // Unused positions name no picture and launch nothing.
    EXPECT_STREQ(read->rec[22][4].chemin, kNoPicture);
    EXPECT_EQ(read->rec[0][0].lanceFX, -1);
}

TEST(FighterSprite, ProjectilesAreCentredOnTheirAnchorAndStrikeInFront) {
    FighterSource src = parse(kTiny);
    src.palette["energy"] = {40, 200, 255};
    for (const char* kind : {"orb", "crescent", "wheel", "palm", "quake"}) {
        FxDef fx;
        fx.kind = kind;
        fx.size = 18;
        const FxSprite s = render_fx(src, fx, 1);
        // Mirrored, the picture must stay on the anchor: it is as wide on both sides.
        EXPECT_EQ(2 * s.ox, s.image.width) << kind;
        EXPECT_GT(s.tip.x, fx.size * 0.8) << kind;
        if (std::string(kind) == "quake") {
            EXPECT_EQ(s.oy, s.image.height) << kind;  // runs along the ground
        } else {
            EXPECT_NEAR(2 * s.oy, s.image.height, 1) << kind;
        }
    }
    FxDef unknown;
    unknown.kind = "boomerang";
    EXPECT_THROW(render_fx(src, unknown, 0), std::runtime_error);
}

TEST(FighterFrames, TheFileHas900RecordsOf40Tokens) {
    AnimTable table;
    FrameRecord r;
    r.path = "tiny/img/0-0.bmp";
    r.zones.push_back({-10, -50, 10, 0});
    r.attacks.push_back({30, -40});
    table[0].push_back(r);
    const std::string text = anim_file_text(table);
    std::istringstream in(text);
    int tokens = 0;
    for (std::string w; in >> w;) ++tokens;
    EXPECT_EQ(tokens, 900 * 40);
    EXPECT_EQ(text.rfind("tiny/img/0-0.bmp\n", 0), 0u);
    r.path = std::string(50, 'a');
    table[1].push_back(r);
    EXPECT_THROW(anim_file_text(table), std::runtime_error);
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) {
            std::ifstream f(e.path(), std::ios::binary);
            std::ostringstream s;
            s << f.rdbuf();
            files[fs::relative(e.path(), dir).string()] = s.str();
        }
    return files;
}

TEST(FighterGeneration, PicturesNoLongerUsedAreRemovedAndNothingElse) {
    const fs::path dir = fs::temp_directory_path() / ("zeffighters-sweep-" + std::to_string(::getpid()));
    fs::create_directories(dir / "tiny/img");
    std::ofstream(dir / "tiny/img/99-0.bmp") << "stale";
    std::ofstream(dir / "tiny/img/notes.txt") << "kept";
    std::ofstream(dir / "tiny/tiny.xp") << "kept";
    const FighterSource src = parse(kTiny);
    GenerateCounts counts;
    const FighterFiles files = generate_fighter(src, dir, counts);
    EXPECT_FALSE(fs::exists(dir / "tiny/img/99-0.bmp"));
    EXPECT_TRUE(fs::exists(dir / "tiny/img/notes.txt"));
    EXPECT_TRUE(fs::exists(dir / "tiny/tiny.xp"));
    EXPECT_EQ(counts.removed, 1);
    EXPECT_TRUE(fs::exists(dir / "tiny/tiny.p"));
    EXPECT_TRUE(fs::exists(dir / "tiny/fx/fx.p"));
    ASSERT_EQ(files.anims.at(20).size(), 2u);
    for (const FrameRecord& r : files.anims.at(20)) EXPECT_TRUE(fs::exists(dir / r.path)) << r.path;
    // The jab's active frame strikes with its fist and two points back along the arm.
    EXPECT_EQ(files.anims.at(20)[1].attacks.size(), 3u);
    EXPECT_TRUE(files.anims.at(20)[0].attacks.empty());
    fs::remove_all(dir);
}

TEST(FighterGeneration, TwoRunsWriteTheSameBytes) {
    const fs::path base = fs::temp_directory_path() / ("zeffighters-test-" + std::to_string(::getpid()));
    std::ostringstream log;
    generate_fighters(ZEF_CONTENT_DIR, base / "a", {}, log);
    generate_fighters(ZEF_CONTENT_DIR, base / "b", {}, log);
    const auto a = snapshot(base / "a"), b = snapshot(base / "b");
    EXPECT_GT(a.size(), 4u * 40);
    EXPECT_TRUE(a == b);
    // A second run into the same folder changes nothing.
    GenerateCounts again = generate_fighters(ZEF_CONTENT_DIR, base / "a", {}, log);
    EXPECT_EQ(again.written, 0);
    EXPECT_EQ(again.removed, 0);
    fs::remove_all(base);
}

}  // namespace
