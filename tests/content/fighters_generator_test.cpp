// The fighter generator itself: its source format, its sprites and its
// output, without the game.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "frames.h"
#include "generate.h"
#include "output.h"
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
