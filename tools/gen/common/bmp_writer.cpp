#include "common/bmp_writer.h"

#include <stdexcept>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi, what paint programs write

}  // namespace

std::vector<std::uint8_t> encode_bmp(const Image& image) {
    if (image.width <= 0 || image.height <= 0) throw std::invalid_argument("encode_bmp: empty image");
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixel_bytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + pixel_bytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixel_bytes);
    put32(out, 0);  // two reserved words
    put32(out, offset);

    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(image.width));
    put32(out, static_cast<std::uint32_t>(image.height));  // positive: rows stored bottom-up
    put16(out, 1);                                         // planes
    put16(out, 24);
    put32(out, 0);  // BI_RGB
    put32(out, pixel_bytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // palette colours
    put32(out, 0);  // important colours

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}
