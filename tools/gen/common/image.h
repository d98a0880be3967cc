#pragma once
// An 8-bit RGB picture: the in-memory form of every bitmap the game loads.

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The game's sprite mask colour: pixels of this colour are not drawn.
constexpr Rgb kMaskColour{255, 0, 255};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // row-major, top row first, 3 bytes a pixel

    Image() = default;
    Image(int w, int h, Rgb fill = {})
        : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3) {
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = fill.r;
            rgb[i + 1] = fill.g;
            rgb[i + 2] = fill.b;
        }
    }

    Rgb at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
    void set(int x, int y, Rgb c) {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        rgb[i] = c.r;
        rgb[i + 1] = c.g;
        rgb[i + 2] = c.b;
    }
};
