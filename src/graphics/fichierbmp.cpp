#include "fichierbmp.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

uint32_t u16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t u32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

enum Compression : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

// Walks a run-length coded picture as its decoder would, and fails as soon
// as a run would leave the picture or the file. Four bits a pixel when
// `quatre_bits`, else eight.
const char* defaut_rle(const uint8_t* o, size_t taille, size_t pos, int64_t largeur, int64_t hauteur,
                       bool quatre_bits)
{
    int64_t x = 0, y = 0;
    for (;;) {
        if (pos + 2 > taille)
            return "runs past the end of the file";
        const int n = o[pos], code = o[pos + 1];
        pos += 2;
        if (n > 0) {   // n pixels of one value
            x += n;
            if (x > largeur || y >= hauteur)
                return "a run leaves the picture";
            continue;
        }
        switch (code) {
        case 0:   // end of line
            x = 0;
            if (++y > hauteur)
                return "a run leaves the picture";
            break;
        case 1:   // end of picture
            return nullptr;
        case 2:   // move by (dx, dy)
            if (pos + 2 > taille)
                return "runs past the end of the file";
            x += o[pos];
            y += o[pos + 1];
            pos += 2;
            if (x > largeur || y >= hauteur)
                return "a run leaves the picture";
            break;
        default: {   // `code` literal pixels, padded to a 16-bit word
            const size_t octets = quatre_bits ? (code + 1) / 2 : code;
            pos += octets + (octets & 1);
            if (pos > taille)
                return "runs past the end of the file";
            x += code;
            if (x > largeur || y >= hauteur)
                return "a run leaves the picture";
        }
        }
    }
}

// A read-only packfile over bytes in memory, for the library's loader.
struct Memoire {
    const uint8_t* octets;
    size_t taille;
    size_t pos;
};

int m_fclose(void*) { return 0; }
int m_getc(void* u)
{
    Memoire* m = static_cast<Memoire*>(u);
    return m->pos < m->taille ? m->octets[m->pos++] : EOF;
}
int m_ungetc(int c, void* u)
{
    Memoire* m = static_cast<Memoire*>(u);
    if (m->pos == 0)
        return EOF;
    --m->pos;
    return c;
}
long m_fread(void* p, long n, void* u)
{
    Memoire* m = static_cast<Memoire*>(u);
    const size_t lu = n < 0 ? 0 : std::min(static_cast<size_t>(n), m->taille - m->pos);
    std::memcpy(p, m->octets + m->pos, lu);
    m->pos += lu;
    return static_cast<long>(lu);
}
int m_putc(int, void*) { return EOF; }
long m_fwrite(const void*, long, void*) { return 0; }
int m_fseek(void* u, int decalage)
{
    Memoire* m = static_cast<Memoire*>(u);
    if (decalage < 0 || static_cast<size_t>(decalage) > m->taille - m->pos)
        return -1;
    m->pos += decalage;
    return 0;
}
int m_feof(void* u)
{
    const Memoire* m = static_cast<const Memoire*>(u);
    return m->pos >= m->taille;
}
int m_ferror(void*) { return 0; }

const PACKFILE_VTABLE EN_MEMOIRE = {m_fclose, m_getc,  m_ungetc, m_fread, m_putc,
                                    m_fwrite, m_fseek, m_feof,   m_ferror};

bool lire_fichier(const char* chemin, std::vector<uint8_t>& octets)
{
    std::FILE* f = std::fopen(chemin, "rb");
    if (!f)
        return false;
    // Never more than the largest picture accepted, plus its palette.
    const size_t plafond = static_cast<size_t>(BMP_PIXELS_MAX) * 4 + 4096;
    uint8_t tampon[65536];
    size_t lu;
    bool trop = false;
    while ((lu = std::fread(tampon, 1, sizeof tampon, f)) > 0 && !trop) {
        octets.insert(octets.end(), tampon, tampon + lu);
        trop = octets.size() > plafond;
    }
    std::fclose(f);
    return true;
}

}  // namespace

const char* defaut_bmp(const uint8_t* o, size_t taille)
{
    if (taille < 54)
        return "too short for a BMP header";
    if (o[0] != 'B' || o[1] != 'M')
        return "not a BMP";
    if (u32(o + 14) != 40)
        return "not the classic 40-byte BMP header";
    const int64_t debut = u32(o + 10);
    const int64_t largeur = static_cast<int32_t>(u32(o + 18));
    const int64_t hauteur = static_cast<int32_t>(u32(o + 22));
    const uint32_t plans = u16(o + 26), bits = u16(o + 28), compression = u32(o + 30);
    if (largeur < 1 || hauteur < 1 || largeur > BMP_COTE_MAX || hauteur > BMP_COTE_MAX ||
        largeur * hauteur > BMP_PIXELS_MAX)
        return "size out of range";
    if (plans != 1)
        return "bad plane count";
    // The loader reads (start - 54) / 4 palette entries into 256.
    if (debut < 54 || debut > 54 + 256 * 4 || debut > static_cast<int64_t>(taille))
        return "pixel data offset out of range";
    const bool rgb = compression == BI_RGB && (bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32);
    const bool masques = compression == BI_BITFIELDS && (bits == 16 || bits == 32);
    if (compression == BI_RLE8 && bits == 8)
        return defaut_rle(o, taille, debut, largeur, hauteur, false);
    if (compression == BI_RLE4 && bits == 4)
        return defaut_rle(o, taille, debut, largeur, hauteur, true);
    if (!rgb && !masques)
        return "unsupported depth or compression";
    if (masques && debut < 54 + 12)
        return "pixel data offset out of range";
    const int64_t ligne = (largeur * bits + 31) / 32 * 4;
    if (debut + ligne * hauteur > static_cast<int64_t>(taille))
        return "pixel data runs past the end of the file";
    return nullptr;
}

BITMAP* lire_bmp(const uint8_t* octets, size_t taille, RGB* palette, const char* nom)
{
    if (const char* defaut = defaut_bmp(octets, taille)) {
        std::fprintf(stderr, "zef: %s: picture left out (%s)\n", nom, defaut);
        return nullptr;
    }
    Memoire m{octets, taille, 0};
    PACKFILE* f = pack_fopen_vtable(&EN_MEMOIRE, &m);
    if (!f)
        return nullptr;
    BITMAP* image = load_bmp_pf(f, palette);
    pack_fclose(f);
    return image;
}

BITMAP* charger_bmp(const char* chemin, RGB* palette)
{
    std::vector<uint8_t> octets;
    if (!chemin || !lire_fichier(chemin, octets))
        return nullptr;
    return lire_bmp(octets.data(), octets.size(), palette, chemin);
}
