#include "support/fichiers_son.h"

#include <cmath>
#include <cstdint>

namespace {

void le16(std::string& s, uint16_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void le32(std::string& s, uint32_t v)
{
    le16(s, static_cast<uint16_t>(v & 0xFFFF));
    le16(s, static_cast<uint16_t>(v >> 16));
}

}  // namespace

std::string wav_ton(double secondes, int frequence)
{
    const uint32_t n = static_cast<uint32_t>(secondes * frequence);
    std::string s = "RIFF";
    le32(s, 36 + n * 2);
    s += "WAVEfmt ";
    le32(s, 16);
    le16(s, 1);               // PCM
    le16(s, 1);               // mono
    le32(s, static_cast<uint32_t>(frequence));
    le32(s, static_cast<uint32_t>(frequence) * 2);
    le16(s, 2);
    le16(s, 16);
    s += "data";
    le32(s, n * 2);
    for (uint32_t i = 0; i < n; ++i)
        le16(s, static_cast<uint16_t>(static_cast<int16_t>(2000 * std::sin(i * 0.2))));
    return s;
}

std::string mp3_silence(std::size_t taille)
{
    // Header FF FB 90 00: MPEG-1, layer III, no CRC, 128 kbit/s, 44100 Hz,
    // no padding, stereo. Zeroed side information and main data decode to
    // silence.
    std::string trame(OCTETS_TRAME_MP3, '\0');
    trame[0] = static_cast<char>(0xFF);
    trame[1] = static_cast<char>(0xFB);
    trame[2] = static_cast<char>(0x90);
    trame[3] = 0;
    std::string s;
    while (s.size() < taille)
        s += trame;
    s.resize(taille);
    return s;
}
