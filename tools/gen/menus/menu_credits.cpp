// The credits: a calm night background, and the credits themselves as one
// tall masked picture that the game slides up over it. The words come from
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

Image draw_credits_text(const style::Fonts& fonts, const std::vector<CreditLine>& lines) {
    // Measure first: the picture is exactly as tall as its lines.
    double height = 8;
    for (const CreditLine& l : lines) {
        const LineStyle s = line_style(fonts, l.kind);
        height += s.before + s.height;
    }
    height += 8;
    Canvas canvas(kCreditsWidth, static_cast<int>(std::ceil(height)));
    cairo_t* cr = canvas.cr();
    double y = 8;
    bool first_title = true;
    for (const CreditLine& l : lines) {
        const LineStyle s = line_style(fonts, l.kind, first_title);
        if (l.kind == CreditLine::Title) first_title = false;
        y += s.before;
        if (l.kind != CreditLine::Gap) {
            double caps = s.caps;
            style::Placed p;
            for (;; caps -= 0.5) {  // shrink a line that would not fit the width
                p = style::place_text(canvas, *s.font, l.text, caps, s.tracking, kCreditsWidth / 2.0,
                                      std::round(y + (s.height - caps) / 2), s.look.slant);
                const style::Span span = style::ink_span(p, s.look);
                if (span.right - span.left <= kCreditsWidth - 8) break;
            }
            for (const cairo_glyph_t& g : p.run.glyphs)
                if (g.index == 0) throw std::runtime_error("the credits' font has no glyph for a letter of: " + l.text);
            if (l.kind == CreditLine::Heading) {
                // Short gold rules either side of a role.
                const style::Span span = style::ink_span(p, s.look);
                const double ry = std::floor(y + s.height / 2) + 0.5;
                for (const auto& [from, to] :
                     {std::pair{span.left - 60, span.left - 10}, std::pair{span.right + 60, span.right + 10}}) {
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
        y += s.height;
    }
    return style::to_sprite(canvas);
}

Image draw_credits_screen() {
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
    // A faint ring behind where the words pass, and a dark foot for the prompt.
    cairo_arc(cr, 320, 230, 190, 0, 2 * kPi);
    set(cr, style::kSteelLight, 0.06);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    cairo_arc(cr, 320, 230, 168, 0, 2 * kPi);
    set(cr, style::kGold, 0.05);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    vertical_source(cr, 430, 480, {{0, {0, 0, 0}, 0}, {0.5, hex(0x020208), 0.8}, {1, hex(0x020208), 0.95}});
    rect(cr, 0, 430, 640, 50);
    cairo_fill(cr);
    horizontal_source(cr, 0, 640, {{0, style::kGold, 0}, {0.5, style::kGold, 0.35}, {1, style::kGold, 0}});
    rect(cr, 0, 452, 640, 1);
    cairo_fill(cr);
    return style::to_opaque(canvas);
}

}  // namespace menus
