// The credits: a calm night background with the game's name in the middle,
// and the credits themselves as one tall masked picture, as wide as the
// screen, that the game slides up over it forever. The game prints its
// footer at the bottom, in the middle, under the rising picture: every row
// of the picture crosses it, so the credits rise in two columns either side
// of a clear middle as wide as the footer. The words come from
// content/menus/credits.txt.

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "audio/synth.h"  // kPi
#include "common/rng.h"
#include "menus/menu_art.h"

using namespace scenery;

namespace menus {

namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

struct LineStyle {
    const FontFile* font;
    double caps, tracking;
    double before, height;  // space above the line, and the line's own height
    style::Lettering look;
};

style::Lettering flat(Colour top, Colour bottom, double rim) {
    style::Lettering l;
    l.top = top;
    l.middle = bottom;
    l.horizon = 1;
    l.rim_width = rim;
    l.shadow_dx = l.shadow_dy = 1;
    l.bevel = 0;
    return l;
}

// The game's name: its first line in chrome, the next in fire, as on the
// title screen.
LineStyle line_style(const style::Fonts& fonts, CreditLine::Kind kind, bool first_title = true) {
    switch (kind) {
    case CreditLine::Title: {
        style::Lettering l = first_title ? style::chrome_look(34) : style::fire_look(34);
        l.slant = 0.1;
        return {&fonts.black, 34, 2, 4, 52, l};
    }
    case CreditLine::Subtitle: {
        style::Lettering l = style::gold_look(22);
        l.line_width = 0;
        l.rim_width = 1.8;
        l.shadow_dx = l.shadow_dy = 1.5;
        return {&fonts.condensed, 22, 9, 6, 40, l};
    }
    case CreditLine::Heading: {
        style::Lettering l = style::gold_look(17);
        l.line_width = 0;
        l.rim_width = 1.6;
        l.shadow_dx = l.shadow_dy = 1;
        l.bevel = 0;
        return {&fonts.condensed, 17, 3, 22, 30, l};
    }
    case CreditLine::Entry: return {&fonts.bold, 12, 0.6, 2, 22, flat(style::kWhite, hex(0xdfe6ff), 1.5)};
    case CreditLine::Note: return {&fonts.sans, 8, 0.3, 0, 18, flat(hex(0xb0c0f0), hex(0x8ea2dc), 1.3)};
    case CreditLine::Gap: break;
    }
    return {&fonts.sans, 0, 0, 0, 20, {}};
}

}  // namespace

std::vector<CreditLine> parse_credits(std::string_view text, const std::string& source_name) {
    std::vector<CreditLine> lines;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        ++number;
        auto fail = [&](const std::string& why) {
            throw std::runtime_error(source_name + ":" + std::to_string(number) + ": " + why);
        };
        if (line.empty()) {
            if (!lines.empty() && lines.back().kind != CreditLine::Gap) lines.push_back({CreditLine::Gap, ""});
            continue;
        }
        if (line[0] == '#') continue;
        if (line[0] != '[') {
            lines.push_back({CreditLine::Entry, line});
            continue;
        }
        const std::size_t close = line.find(']');
        if (close == std::string::npos) fail("a tag without its ']'");
        const std::string tag = line.substr(1, close - 1), rest = trim(line.substr(close + 1));
        static const std::pair<const char*, CreditLine::Kind> kTags[] = {
            {"title", CreditLine::Title}, {"subtitle", CreditLine::Subtitle}, {"heading", CreditLine::Heading},
            {"note", CreditLine::Note}};
        const auto known =
            std::find_if(std::begin(kTags), std::end(kTags), [&](const auto& t) { return tag == t.first; });
        if (known == std::end(kTags)) fail("unknown tag [" + tag + "]: use title, subtitle, heading or note");
        if (rest.empty()) fail("[" + tag + "] with nothing after it");
        lines.push_back({known->second, rest});
    }
    while (!lines.empty() && lines.back().kind == CreditLine::Gap) lines.pop_back();
    return lines;
}

namespace {

// Words broken into lines no wider than `width` at the line's size.
std::vector<std::string> wrap(Canvas& canvas, const LineStyle& s, const std::string& text, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        const std::string longer = line.empty() ? word : line + " " + word;
        const style::Placed p = style::place_text(canvas, *s.font, longer, s.caps, s.tracking, 0, 0, s.look.slant);
        const style::Span span = style::ink_span(p, s.look);
        if (!line.empty() && span.right - span.left > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// One line of lettering centred on `centre`, shrunk until it fits `width`,
// with gold rules beside a heading of one line.
void letter(Canvas& canvas, const LineStyle& s, CreditLine::Kind kind, const std::string& text, double centre,
            double y, double width, bool rules = true) {
    cairo_t* cr = canvas.cr();
    style::Placed p;
    for (double caps = s.caps;; caps -= 0.5) {
        p = style::place_text(canvas, *s.font, text, caps, s.tracking, centre, std::round(y + (s.height - caps) / 2),
                              s.look.slant);
        const style::Span span = style::ink_span(p, s.look);
        if (span.right - span.left <= width || caps < 6) break;
    }
    for (const cairo_glyph_t& g : p.run.glyphs)
        if (g.index == 0) throw std::runtime_error("the credits' font has no glyph for a letter of: " + text);
    if (kind == CreditLine::Heading && rules) {
        const style::Span span = style::ink_span(p, s.look);
        const double ry = std::floor(y + s.height / 2) + 0.5;
        const double room = std::max(0.0, std::min(40.0, (width - (span.right - span.left)) / 2 - 6));
        if (room >= 8)
            for (const auto& [from, to] :
                 {std::pair{span.left - 6 - room, span.left - 6}, std::pair{span.right + 6 + room, span.right + 6}}) {
                set(cr, style::kInk);
                rect(cr, std::min(from, to) - 1, ry - 2, std::abs(to - from) + 2, 4);
                cairo_fill(cr);
                horizontal_source(cr, from, to, {{0, style::kGoldDeep}, {1, style::kGold}});
                rect(cr, std::min(from, to), ry - 0.5, std::abs(to - from), 1.5);
                cairo_fill(cr);
            }
    }
    style::draw_lettering(canvas, p, s.look);
}

struct Column {
    double centre, y;
};

}  // namespace

Image draw_credits_text(const style::Fonts& fonts, const std::vector<CreditLine>& lines) {
    // The game's name is on the screen behind; the rest rises in two
    // columns either side of the clear middle, a section at a time, by turns.
    std::vector<std::vector<CreditLine>> sections(1);
    for (const CreditLine& l : lines) {
        if (l.kind == CreditLine::Title || l.kind == CreditLine::Subtitle) continue;
        if (l.kind == CreditLine::Gap) {
            if (!sections.back().empty()) sections.emplace_back();
            continue;
        }
        sections.back().push_back(l);
    }
    if (sections.back().empty()) sections.pop_back();
    const double width = kCreditsColumnWidth - 8;
    Canvas scratch(kCreditsWidth, 1);
    auto rows_of = [&](const CreditLine& l) {
        const LineStyle s = line_style(fonts, l.kind);
        return wrap(scratch, s, l.text, width);
    };
    auto height_of = [&](const std::vector<CreditLine>& section) {
        double h = 0;
        for (const CreditLine& l : section) {
            const LineStyle s = line_style(fonts, l.kind);
            h += s.before + s.height * static_cast<double>(rows_of(l).size());
        }
        return h;
    };
    const double gap = 36;
    Column columns[2] = {{kCreditsColumnWidth / 2.0, 8}, {kCreditsWidth - kCreditsColumnWidth / 2.0, 8 + 80}};
    std::vector<std::pair<int, double>> placed;  // column and top of each section
    for (const auto& section : sections) {
        const int c = columns[0].y <= columns[1].y ? 0 : 1;
        placed.push_back({c, columns[c].y});
        columns[c].y += height_of(section) + gap;
    }
    const double height = std::max(columns[0].y, columns[1].y) - gap + 8;
    Canvas canvas(kCreditsWidth, static_cast<int>(std::ceil(height)));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const double centre = columns[placed[i].first].centre;
        double y = placed[i].second;
        for (const CreditLine& l : sections[i]) {
            const LineStyle s = line_style(fonts, l.kind);
            y += s.before;
            const std::vector<std::string> rows = rows_of(l);
            for (const std::string& row : rows) {
                letter(canvas, s, l.kind, row, centre, y, width, rows.size() == 1);
                y += s.height;
            }
        }
    }
    return style::to_sprite(canvas);
}

Image draw_credits_screen(const style::Fonts& fonts, const std::vector<CreditLine>& lines) {
    Canvas canvas(640, 480);
    cairo_t* cr = canvas.cr();
    vertical_source(cr, 0, 480, {{0, hex(0x04051a)}, {0.5, hex(0x0e1240)}, {0.85, hex(0x0a0c2c)}, {1, hex(0x03030e)}});
    cairo_paint(cr);
    // Slow veils of violet and teal light, like an aurora far away.
    shade(canvas, 0, 0, 640, 480, [](int x, int y) -> Rgba {
        const double n = fbm(x * 0.004, y * 0.012, 17, 4);
        const double band = std::exp(-std::pow((y - 150 - 90 * std::sin(x * 0.006)) / 110.0, 2));
        const double a = std::clamp((n - 0.35) * 1.4, 0.0, 1.0) * band * 0.38;
        const Colour c = mix(hex(0x5a3ad8), hex(0x2ab8c8), std::clamp((n - 0.4) * 2.5, 0.0, 1.0));
        return {c.r, c.g, c.b, a};
    });
    Rng rng(44);
    for (int i = 0; i < 140; ++i) {
        const double x = rng.uniform() * 640, y = rng.uniform() * 420;
        set(cr, {0.85, 0.9, 1}, rng.range(0.15, 0.6));
        rect(cr, x, y, 1, 1);
        cairo_fill(cr);
    }
    // The game's name in the clear middle, within a ring: what stays once
    // the credits have risen away.
    const double ring_y = 215;
    cairo_arc(cr, 320, ring_y, 150, 0, 2 * kPi);
    radial_source(cr, 320, ring_y, 150, {{0, hex(0x1a1e5a), 0.5}, {0.8, hex(0x0e1240), 0.3}, {1, hex(0x0e1240), 0}});
    cairo_fill(cr);
    cairo_arc(cr, 320, ring_y, 150, 0, 2 * kPi);
    set(cr, style::kSteelLight, 0.1);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    cairo_arc(cr, 320, ring_y, 136, 0, 2 * kPi);
    set(cr, style::kGold, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    {
        double height = 0;
        bool first_title = true;
        for (const CreditLine& l : lines)
            if (l.kind == CreditLine::Title || l.kind == CreditLine::Subtitle) height += line_style(fonts, l.kind).before + line_style(fonts, l.kind).height;
        double y = ring_y - height / 2;
        for (const CreditLine& l : lines) {
            if (l.kind != CreditLine::Title && l.kind != CreditLine::Subtitle) continue;
            const LineStyle s = line_style(fonts, l.kind, first_title);
            if (l.kind == CreditLine::Title) first_title = false;
            y += s.before;
            letter(canvas, s, l.kind, l.text, 320, y, kCreditsClearRight - kCreditsClearLeft - 40);
            y += s.height;
        }
    }
    // A dark foot for the prompt, as even as the night above it.
    vertical_source(cr, 430, 480, {{0, {0, 0, 0}, 0}, {0.5, hex(0x020208), 0.8}, {1, hex(0x020208), 0.95}});
    rect(cr, 0, 430, 640, 50);
    cairo_fill(cr);
    horizontal_source(cr, 0, 640, {{0, style::kGold, 0}, {0.5, style::kGold, 0.35}, {1, style::kGold, 0}});
    rect(cr, 0, 448, 640, 1);
    cairo_fill(cr);
    return style::to_opaque(canvas);
}

}  // namespace menus
