#include "fichierpak.h"

#include <cstdio>
#include <vector>

namespace {

// Datafiles store their numbers big-endian.
int64_t s32(const uint8_t* p)
{
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]);
}
int s16(const uint8_t* p) { return static_cast<int16_t>(p[0] << 8 | p[1]); }
int u16(const uint8_t* p) { return p[0] << 8 | p[1]; }

constexpr int64_t id(char a, char b, char c, char d) { return int64_t(a) << 24 | b << 16 | c << 8 | d; }

int octets_par_pixel(int profondeur)
{
    switch (profondeur) {
    case 8:
        return 1;
    case 15:
    case 16:
        return 2;
    case 24:
        return 3;
    case 32:
    case -32:   // 32 bits with alpha
        return 4;
    default:
        return 0;
    }
}

constexpr int64_t OBJETS_MAX = 4096;

// Object and property types are four printable characters ("BMP ",
// "NAME"); anything else, the loader's end marker -1 among them, is damage.
bool type_lisible(const uint8_t* p)
{
    for (int i = 0; i < 4; ++i)
        if (p[i] < 0x20 || p[i] > 0x7E)
            return false;
    return true;
}

}  // namespace

const char* defaut_pak(const uint8_t* o, size_t taille)
{
    const int64_t n = static_cast<int64_t>(taille);
    int64_t pos = 0;
    const auto reste = [&](int64_t k) { return pos + k <= n; };
    if (!reste(12))
        return "too short for a datafile";
    if (s32(o) == id('s', 'l', 'h', '!'))
        return "compressed, which the game never writes";
    if (s32(o) != id('s', 'l', 'h', '.'))
        return "not a datafile";
    if (s32(o + 4) != id('A', 'L', 'L', '.'))
        return "not a datafile";
    const int64_t objets = s32(o + 8);
    pos = 12;
    if (objets < 0 || objets > OBJETS_MAX)
        return "object count out of range";
    for (int64_t i = 0; i < objets; ++i) {
        int64_t type;
        bool nomme = false;
        for (;;) {
            if (!reste(4))
                return "cut short";
            if (!type_lisible(o + pos))
                return "an object or property of no known type";
            type = s32(o + pos);
            pos += 4;
            if (type != id('p', 'r', 'o', 'p'))
                break;
            if (!reste(8))
                return "cut short";
            if (!type_lisible(o + pos))
                return "an object or property of no known type";
            nomme = nomme || s32(o + pos) == id('N', 'A', 'M', 'E');
            const int64_t longueur = s32(o + pos + 4);
            pos += 8;
            if (longueur < 0 || !reste(longueur))
                return "a property runs past the end";
            pos += longueur;
        }
        if (!reste(8))
            return "cut short";
        const int64_t stocke = s32(o + pos), brut = s32(o + pos + 4);
        pos += 8;
        if (stocke < 0 || stocke != brut)
            return "a compressed object, which the game never writes";
        if (!reste(stocke))
            return "an object runs past the end";
        if (type == id('F', 'I', 'L', 'E'))
            return "a nested datafile, which the game never writes";
        // The library reads every other kind (fonts, samples, sprites) by
        // counts of its own that no size check here covers: a crafted count
        // keeps its loader busy for minutes.
        if (type != id('B', 'M', 'P', ' ') && type != id('i', 'n', 'f', 'o'))
            return "an object of a kind the game never writes";
        if (type == id('B', 'M', 'P', ' ')) {
            // A stage is found by its name.
            if (!nomme)
                return "a bitmap without a name";
            if (stocke < 6)
                return "a bitmap too short for its header";
            const int par_pixel = octets_par_pixel(s16(o + pos));
            const int64_t w = u16(o + pos + 2), h = u16(o + pos + 4);
            if (par_pixel == 0)
                return "a bitmap of unknown depth";
            if (6 + w * h * par_pixel != stocke)
                return "a bitmap whose size does not match its dimensions";
        }
        pos += stocke;
    }
    return pos == n ? nullptr : "bytes after the last object";
}

const char* defaut_fichier_pak(const char* chemin)
{
    std::FILE* f = std::fopen(chemin, "rb");
    if (!f)
        return nullptr;   // the loader reports a missing file itself
    std::vector<uint8_t> octets;
    uint8_t tampon[1 << 16];
    size_t lu;
    while ((lu = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        octets.insert(octets.end(), tampon, tampon + lu);
    const bool erreur = std::ferror(f) != 0;
    std::fclose(f);
    return erreur ? "unreadable" : defaut_pak(octets.data(), octets.size());
}
