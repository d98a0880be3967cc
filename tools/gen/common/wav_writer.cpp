#include "common/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put_tag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

std::int16_t to_pcm(float v) {
    const double clamped = std::clamp(static_cast<double>(v), -1.0, 1.0);
    return static_cast<std::int16_t>(std::lround(clamped * 32767.0));
}

}  // namespace

std::vector<std::uint8_t> encode_wav(const Sound& sound) {
    if (sound.stereo() && sound.right.size() != sound.left.size())
        throw std::invalid_argument("encode_wav: channels differ in length");
    const std::uint16_t channels = sound.stereo() ? 2 : 1;
    const std::uint32_t block_align = channels * 2u;
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(sound.frames()) * block_align;

    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    put_tag(out, "RIFF");
    put32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sound.rate));
    put32(out, static_cast<std::uint32_t>(sound.rate) * block_align);
    put16(out, static_cast<std::uint16_t>(block_align));
    put16(out, 16);
    put_tag(out, "data");
    put32(out, data_bytes);

    for (std::size_t i = 0; i < sound.frames(); ++i) {
        put16(out, static_cast<std::uint16_t>(to_pcm(sound.left[i])));
        if (sound.stereo()) put16(out, static_cast<std::uint16_t>(to_pcm(sound.right[i])));
    }
    return out;
}
