// What the Debian package installs beside the game: the icons zef-icone
// draws, and the desktop entry, AppStream metadata, changelog, manual page
// and copyright file in packaging/, which must agree with each other, with
// the icons and with the fonts the data folder ships.

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/output.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kPackaging = ZEF_PACKAGING_DIR;
const std::vector<int> kSizes{16, 24, 32, 48, 64, 128, 256};

fs::path icon_file(const fs::path& root, int size) {
    return root / (std::to_string(size) + "x" + std::to_string(size)) / "apps" / "zef.png";
}

int run_icon_tool(const fs::path& out) {
    const std::string command = "'" ZEF_ICONE "' --out '" + out.string() + "' >/dev/null";
    return std::system(command.c_str());
}

std::uint32_t big_endian(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// A PNG decoded by cairo, read pixel by pixel for its alpha (0 to 255).
struct Picture {
    cairo_surface_t* surface;
    explicit Picture(const fs::path& file) : surface(cairo_image_surface_create_from_png(file.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface); }
    bool ok() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int alpha(int x, int y) const {
        const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const std::uint32_t*>(row)[x] >> 24;
    }
};

std::map<std::string, std::vector<std::uint8_t>> snapshot(const fs::path& root) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) files[fs::relative(e.path(), root).generic_string()] = read_file(e.path());
    return files;
}

// The [Desktop Entry] group of a desktop file, key by key.
std::map<std::string, std::string> desktop_entry(const fs::path& file) {
    std::map<std::string, std::string> keys;
    std::istringstream in(read_text_file(file));
    std::string line, group;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            group = line;
            continue;
        }
        const auto eq = line.find('=');
        if (group == "[Desktop Entry]" && eq != std::string::npos) keys[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return keys;
}

// Every text between <tag ...> and </tag>, in order.
std::vector<std::string> elements(const std::string& xml, const std::string& tag) {
    std::vector<std::string> found;
    const std::regex re("<" + tag + "(\\s[^>]*)?>([^<]*)</" + tag + ">");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[2]);
    return found;
}

std::set<std::string> split(const std::string& list, char separator) {
    std::set<std::string> items;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, separator))
        if (!item.empty()) items.insert(item);
    return items;
}

}  // namespace

TEST(Icons, EverySizeIsASquareTransparentPngWithTheEmblemInTheMiddle) {
    TempDir out("icons");
    ASSERT_EQ(run_icon_tool(out.path()), 0);
    for (int size : kSizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const fs::path file = icon_file(out.path(), size);
        ASSERT_TRUE(fs::exists(file));
        const auto bytes = read_file(file);
        ASSERT_GT(bytes.size(), 33u);
        EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
        EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
        EXPECT_EQ(big_endian(bytes, 16), static_cast<std::uint32_t>(size));
        EXPECT_EQ(big_endian(bytes, 20), static_cast<std::uint32_t>(size));
        EXPECT_EQ(bytes[24], 8) << "bits per channel";
        EXPECT_EQ(bytes[25], 6) << "colour type: RGB with alpha";
        // No chunk that would carry a time or a text that changes.
        for (const char* chunk : {"tIME", "tEXt", "iTXt", "zTXt"})
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find(chunk), std::string::npos) << chunk;

        const Picture picture(file);
        ASSERT_TRUE(picture.ok());
        const int last = size - 1, middle = size / 2;
        for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{0, 0}, {last, 0}, {0, last}, {last, last}})
            EXPECT_EQ(picture.alpha(x, y), 0) << "corner " << x << "," << y;
        EXPECT_EQ(picture.alpha(middle, middle), 255);
        // The emblem spans about 90% of the square, centred: the outermost
        // rows and columns it reaches.
        int left = size, right = -1, top = size, bottom = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (picture.alpha(x, y) > 127) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        const double width = right - left + 1, height = bottom - top + 1;
        EXPECT_GE(width, size * 0.84);
        EXPECT_LE(width, size * 0.96);
        EXPECT_GE(height, size * 0.84);
        EXPECT_LE(height, size * 0.96);
        EXPECT_LE(std::abs(left - (last - right)), 1) << "off centre";
        EXPECT_LE(std::abs(top - (last - bottom)), 1) << "off centre";
    }
    const std::string svg = read_text_file(out.path() / "scalable" / "apps" / "zef.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos) << "a picture inside the scalable icon";
}

TEST(Icons, TwoRunsWriteTheSameBytes) {
    TempDir a("icons-a"), b("icons-b");
    ASSERT_EQ(run_icon_tool(a.path()), 0);
    ASSERT_EQ(run_icon_tool(b.path()), 0);
    const auto first = snapshot(a.path()), second = snapshot(b.path());
    EXPECT_EQ(first.size(), kSizes.size() + 1);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) EXPECT_TRUE(second.at(name) == bytes) << name << " differs between runs";
}

TEST(Packaging, DesktopEntryAndMetadataPointAtTheSameGameAndIcon) {
    const auto entry = desktop_entry(kPackaging / "zef.desktop");
    const std::string meta = read_text_file(kPackaging / "com.pyxelharn.zef.metainfo.xml");

    EXPECT_EQ(entry.at("Type"), "Application");
    EXPECT_EQ(entry.at("Exec"), "/usr/games/zef");
    EXPECT_EQ(entry.at("Terminal"), "false");
    // The icon is looked up by name in the theme: the name of the files
    // zef-icone writes.
    EXPECT_EQ(entry.at("Icon") + ".png", icon_file("", 16).filename().string());

    EXPECT_EQ(elements(meta, "id"), std::vector<std::string>{"com.pyxelharn.zef"});
    EXPECT_EQ(elements(meta, "launchable"), std::vector<std::string>{"zef.desktop"});
    EXPECT_EQ(elements(meta, "binary"), std::vector<std::string>{fs::path(entry.at("Exec")).filename().string()});
    EXPECT_EQ(elements(meta, "name").at(0), entry.at("Name"));
    const auto categories = elements(meta, "category");
    EXPECT_EQ(std::set<std::string>(categories.begin(), categories.end()), split(entry.at("Categories"), ';'));
    EXPECT_EQ(elements(meta, "project_license"), std::vector<std::string>{"GPL-3.0-or-later"});
}

TEST(Packaging, TheReleaseIsTheSameEverywhere) {
    std::smatch m;
    const std::string changelog = read_text_file(kPackaging / "changelog");
    ASSERT_TRUE(std::regex_search(changelog, m, std::regex(R"(^zef \(([0-9.]+)\) unstable; urgency=)")));
    const std::string version = m[1];

    const std::string meta = read_text_file(kPackaging / "com.pyxelharn.zef.metainfo.xml");
    ASSERT_TRUE(std::regex_search(meta, m, std::regex(R"re(<release version="([^"]+)" date="([^"]+)")re")));
    EXPECT_EQ(m[1], version) << "the newest release in the metadata";
    const std::string date = m[2];
    const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::string dated = date.substr(8, 2) + " " + months[std::stoi(date.substr(5, 2)) - 1] + " " + date.substr(0, 4);
    EXPECT_NE(changelog.find(", " + dated + " "), std::string::npos)
        << "the changelog's entry is not dated " << date;
    EXPECT_NE(read_text_file(kPackaging / "zef.6").find(".TH ZEF 6 " + date + " \"zef " + version + "\""),
              std::string::npos);

    // The game shows its version in its window's title.
    bool in_game = false;
    for (const auto& e : fs::recursive_directory_iterator(ZEF_SRC_DIR))
        in_game = in_game || (e.is_regular_file() && read_text_file(e.path()).find(version) != std::string::npos);
    EXPECT_TRUE(in_game) << "version " << version << " appears nowhere in the game's sources";
}

TEST(Packaging, CopyrightNamesEveryShippedFontAndNoOther) {
    // The font table: id, file, Debian package, name in the data folder
    // ("-" when only the generator draws with it).
    std::map<std::string, std::string> shipped;  // installed path -> package
    std::istringstream table(read_text_file(fs::path(ZEFGEN_CONTENT_DIR) / "fonts.txt"));
    std::string line, id, file, package, ships_as;
    while (std::getline(table, line))
        if (line[0] != '#' && std::istringstream(line) >> id >> file >> package >> ships_as && ships_as != "-")
            shipped["usr/share/games/zef/" + ships_as] = package;
    ASSERT_FALSE(shipped.empty());

    // The copyright file's Files paragraphs: their files, licence and comment.
    std::map<std::string, std::string> licence, comment;
    std::istringstream copyright(read_text_file(kPackaging / "copyright"));
    std::string paragraph;
    auto take = [&] {
        std::smatch files, l;
        if (std::regex_search(paragraph, files, std::regex(R"(^Files:((\s+[^\s:]+)+)\s*\nCopyright:)")) &&
            std::regex_search(paragraph, l, std::regex(R"(\nLicense: (\S+))"))) {
            std::istringstream names(files[1].str());
            const auto c = paragraph.find("\nComment:");
            for (std::string f; names >> f;)
                licence[f] = l[1], comment[f] = c == std::string::npos ? "" : paragraph.substr(c);
        }
        paragraph.clear();
    };
    while (std::getline(copyright, line))
        if (line.empty())
            take();
        else
            paragraph += line + "\n";
    take();
    EXPECT_EQ(licence["*"], "GPL-3.0-or-later");
    for (const auto& [path, package] : shipped) {
        if (!licence.count(path)) {
            ADD_FAILURE() << path << " ships without a copyright paragraph";
            continue;
        }
        EXPECT_EQ(licence.at(path), "OFL-1.1") << path;
        EXPECT_NE(comment[path].find("from " + package), std::string::npos) << path << " should name " << package;
    }
    for (const auto& [path, l] : licence)
        EXPECT_TRUE(path == "*" || shipped.count(path)) << path << " is not a font the data folder ships";
}
