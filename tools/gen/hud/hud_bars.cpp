// The bars, painted pixel by pixel: at ten pixels high every row is a
// decision. Each bar is a glass tube lit from above (a bright first row, a
// light upper half, a deeper lower half, a dark last row) with slanted
// stripes that repeat along its length, so any left part of it looks like a
// whole bar.

#include <algorithm>
#include <cmath>
#include <vector>

#include "hud/hud_art.h"
#include "stages/stages.h"  // reduce_to_16bit

namespace hud {

namespace {

struct Ramp {
    double at;
    std::uint32_t colour;
};

scenery::Colour sample(const std::vector<Ramp>& ramp, double t) {
    if (t <= ramp.front().at) return scenery::hex(ramp.front().colour);
    for (std::size_t i = 1; i < ramp.size(); ++i)
        if (t <= ramp[i].at) {
            const double k = (t - ramp[i - 1].at) / (ramp[i].at - ramp[i - 1].at);
            return scenery::mix(scenery::hex(ramp[i - 1].colour), scenery::hex(ramp[i].colour), k);
        }
    return scenery::hex(ramp.back().colour);
}

Rgb to_rgb(scenery::Colour c) {
    auto v = [](double x) { return static_cast<std::uint8_t>(std::lround(std::clamp(x, 0.0, 1.0) * 255)); };
    return {v(c.r), v(c.g), v(c.b)};
}

scenery::Colour lighten(scenery::Colour c, double k) { return scenery::mix(c, {1, 1, 1}, k); }

// Top to bottom through the tube; the jump at 0.5 is the glass's edge.
const std::vector<Ramp> kLife1{{0.0, 0xfff8d0}, {0.12, 0xffe46a}, {0.45, 0xffc02c}, {0.5, 0xff9c1c},
                               {0.85, 0xe4620a}, {1.0, 0x7a2404}};
const std::vector<Ramp> kLife2{{0.0, 0xe6fff0}, {0.12, 0x9af5b4}, {0.45, 0x48e08a}, {0.5, 0x22c070},
                               {0.85, 0x0e8a50}, {1.0, 0x053a22}};
const std::vector<Ramp> kDrain{{0.0, 0xffffff}, {0.12, 0xffe4e0}, {0.45, 0xff8a80}, {0.5, 0xf03a34},
                               {0.85, 0xb81414}, {1.0, 0x4a0404}};
const std::vector<Ramp> kMana1{{0.0, 0xe0f6ff}, {0.12, 0x8ad8ff}, {0.45, 0x4a90ff}, {0.5, 0x3a64f0},
                               {0.85, 0x5632c8}, {1.0, 0x1c0c5a}};
const std::vector<Ramp> kMana2{{0.0, 0xf2e6ff}, {0.12, 0xc8a0ff}, {0.45, 0x9a64ff}, {0.5, 0x7a44ee},
                               {0.85, 0x3c3ac8}, {1.0, 0x10105a}};

bool stripe(int x, int y, int period, int width) { return ((x + y) % period + period) % period < width; }

Image glass_bar(const std::vector<Ramp>& ramp, double stripe_light) {
    Image img(kBarWidth, kBarHeight);
    for (int y = 0; y < kBarHeight; ++y) {
        const scenery::Colour row = sample(ramp, (y + 0.5) / kBarHeight);
        for (int x = 0; x < kBarWidth; ++x) {
            scenery::Colour c = row;
            if (y > 0 && y < kBarHeight - 1 && stripe(x, y, 14, 5)) c = lighten(c, stripe_light);
            img.set(x, y, to_rgb(c));
        }
    }
    return img;
}

// Mana is alive: a slow wave of light runs through it and sparks glint in
// the glass. The wave's period divides the bar's length so every crop of it
// reads the same.
Image mana_bar(const std::vector<Ramp>& ramp, std::uint32_t seed, bool mirrored) {
    Image img(kBarWidth, kBarHeight);
    for (int y = 0; y < kBarHeight; ++y) {
        const scenery::Colour row = sample(ramp, (y + 0.5) / kBarHeight);
        for (int px = 0; px < kBarWidth; ++px) {
            const int x = mirrored ? kBarWidth - 1 - px : px;
            const double phase = x * 2 * 3.14159265358979 / 41.0 + 1.4 * std::sin(x * 0.11) + y * 0.45;
            const double wave = std::pow(std::max(0.0, std::sin(phase)), 6);
            scenery::Colour c = row;
            if (y > 0 && y < kBarHeight - 1) {
                c = scenery::mix(c, style::kCyan, 0.45 * wave);
                if (scenery::hash01(x, y, seed) < 0.018) c = lighten(c, 0.8);
            }
            img.set(px, y, to_rgb(c));
        }
    }
    return img;
}

}  // namespace

const std::vector<BarArt>& bars() {
    static const std::vector<BarArt> list{
        {"graphics/barrePV1.bmp", Bar::LifeSide1}, {"graphics/barrePV2.bmp", Bar::LifeSide2},
        {"graphics/barrePV.bmp", Bar::Drain},      {"graphics/barremana1.bmp", Bar::ManaSide1},
        {"graphics/barremana2.bmp", Bar::ManaSide2},
    };
    return list;
}

Image draw_frame() {
    const int w = kFrameWidth, h = kFrameHeight;
    Image img(w, h);
    const Rgb rim{6, 7, 16}, light{120, 132, 172}, lit{176, 186, 220}, dark{30, 34, 56};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb c;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                c = rim;
            } else if (y == 1 || x == 1) {
                // The bevel catches the light, brightest along the top.
                c = (y == 1 && x > 1 && x < w - 2) ? lit : light;
                if (x == w - 2 || y == h - 2) c = dark;
            } else if (x == w - 2 || y == h - 2) {
                c = dark;
            } else {
                // The recess the bar sits in: shadowed under its top edge,
                // with faint tenths marked and a fine slanted weave.
                const double depth = (y - 2) / static_cast<double>(h - 5);
                scenery::Colour base = scenery::mix(scenery::hex(0x05060e), scenery::hex(0x1e2440), depth);
                if (stripe(x, y, 6, 1)) base = scenery::mix(base, scenery::hex(0x2c3458), 0.5);
                const int inner = x - 2;
                if (inner > 0 && inner % (kBarWidth / 10) == 0 && inner < kBarWidth - 4)
                    base = scenery::mix(base, scenery::hex(0x55608c), 0.6);
                c = to_rgb(base);
            }
            img.set(x, y, c);
        }
    reduce_to_16bit(img);
    return img;
}

Image draw_bar(Bar bar) {
    Image img;
    switch (bar) {
    case Bar::LifeSide1: img = glass_bar(kLife1, 0.14); break;
    case Bar::LifeSide2: img = glass_bar(kLife2, 0.14); break;
    case Bar::Drain: img = glass_bar(kDrain, 0.3); break;
    case Bar::ManaSide1: img = mana_bar(kMana1, 11, false); break;
    case Bar::ManaSide2: img = mana_bar(kMana2, 12, true); break;
    }
    reduce_to_16bit(img);
    return img;
}

}  // namespace hud
