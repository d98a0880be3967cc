#include "agrandissement.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Pixel = uint16_t;

const Pixel* ligne_de(const BITMAP* b, int y) { return reinterpret_cast<const Pixel*>(b->line[y]); }
Pixel* ligne_de(BITMAP* b, int y) { return reinterpret_cast<Pixel*>(b->line[y]); }

// For each destination column (or row), the source one under its centre.
std::vector<int> plus_proches(int taille_source, int taille_dest)
{
    std::vector<int> index(static_cast<size_t>(taille_dest));
    for (int i = 0; i < taille_dest; ++i)
        index[static_cast<size_t>(i)] = static_cast<int>((2L * i + 1) * taille_source / (2L * taille_dest));
    return index;
}

void agrandir_net(const BITMAP* source, BITMAP* dest)
{
    const std::vector<int> colonnes = plus_proches(source->w, dest->w);
    const std::vector<int> rangees = plus_proches(source->h, dest->h);
    const size_t octets = static_cast<size_t>(dest->w) * sizeof(Pixel);
    for (int y = 0; y < dest->h; ++y) {
        Pixel* vers = ligne_de(dest, y);
        // Rows drawn from the same source row are copies of the first.
        if (y > 0 && rangees[static_cast<size_t>(y)] == rangees[static_cast<size_t>(y - 1)]) {
            std::memcpy(vers, ligne_de(dest, y - 1), octets);
            continue;
        }
        const Pixel* de = ligne_de(source, rangees[static_cast<size_t>(y)]);
        for (int x = 0; x < dest->w; ++x)
            vers[x] = de[colonnes[static_cast<size_t>(x)]];
    }
}

// A 5-6-5 pixel spread over 32 bits with gaps between its fields, so that
// one multiplication blends all three at once.
constexpr uint32_t MASQUE_ECARTE = 0x07E0F81Fu;
constexpr int PAS_POIDS = 5;   // weights from 0 to 32
inline uint32_t ecarter(Pixel p) { return (p | (static_cast<uint32_t>(p) << 16)) & MASQUE_ECARTE; }
inline Pixel resserrer(uint32_t e) { return static_cast<Pixel>((e & 0xF81F) | ((e >> 16) & 0x07E0)); }
// Each field times 32 still fits below the next one.
inline uint32_t melanger(uint32_t a, uint32_t b, uint32_t poids)
{
    return ((a * (32 - poids) + b * poids) >> PAS_POIDS) & MASQUE_ECARTE;
}

// For each destination column (or row): the source one at or left of its
// centre and how far towards the next one the centre lies.
struct Echantillon {
    int avant, apres;
    uint32_t poids;
};
std::vector<Echantillon> echantillons(int taille_source, int taille_dest)
{
    std::vector<Echantillon> e(static_cast<size_t>(taille_dest));
    for (int i = 0; i < taille_dest; ++i) {
        // Centre to centre, in 1/32 of a source pixel.
        long pos = ((2L * i + 1) * taille_source * 32 / (2L * taille_dest)) - 16;
        if (pos < 0)
            pos = 0;
        int avant = static_cast<int>(pos >> PAS_POIDS);
        if (avant > taille_source - 1)
            avant = taille_source - 1;
        const int apres = avant + 1 < taille_source ? avant + 1 : avant;
        e[static_cast<size_t>(i)] = {avant, apres, static_cast<uint32_t>(pos & 31)};
    }
    return e;
}

void agrandir_lisse(const BITMAP* source, BITMAP* dest)
{
    const std::vector<Echantillon> colonnes = echantillons(source->w, dest->w);
    const std::vector<Echantillon> rangees = echantillons(source->h, dest->h);
    // Each source row is blended across once, into one of two rows kept
    // for the rows of the picture that fall between the same two.
    std::vector<uint32_t> rangs[2] = {std::vector<uint32_t>(static_cast<size_t>(dest->w)),
                                      std::vector<uint32_t>(static_cast<size_t>(dest->w))};
    int rangee_de[2] = {-1, -1};
    auto etiree = [&](int rangee, int garder) -> const std::vector<uint32_t>& {
        for (int i = 0; i < 2; ++i)
            if (rangee_de[i] == rangee)
                return rangs[i];
        const int libre = rangee_de[0] == garder ? 1 : 0;
        const Pixel* de = ligne_de(source, rangee);
        std::vector<uint32_t>& vers = rangs[libre];
        for (size_t x = 0; x < vers.size(); ++x) {
            const Echantillon& c = colonnes[x];
            vers[x] = melanger(ecarter(de[c.avant]), ecarter(de[c.apres]), c.poids);
        }
        rangee_de[libre] = rangee;
        return vers;
    };
    for (int y = 0; y < dest->h; ++y) {
        const Echantillon& r = rangees[static_cast<size_t>(y)];
        const std::vector<uint32_t>& haut = etiree(r.avant, r.apres);
        Pixel* vers = ligne_de(dest, y);
        if (r.poids == 0) {   // on a source row's centre
            for (size_t x = 0; x < haut.size(); ++x)
                vers[x] = resserrer(haut[x]);
            continue;
        }
        const std::vector<uint32_t>& bas = etiree(r.apres, r.avant);
        for (size_t x = 0; x < haut.size(); ++x)
            vers[x] = resserrer(melanger(haut[x], bas[x], r.poids));
    }
}

}  // namespace

void agrandir(const BITMAP* source, BITMAP* dest, Lissage l)
{
    if (bitmap_color_depth(const_cast<BITMAP*>(source)) != 16 || bitmap_color_depth(dest) != 16) {
        stretch_blit(const_cast<BITMAP*>(source), dest, 0, 0, source->w, source->h, 0, 0, dest->w, dest->h);
        return;
    }
    if (l == Lissage::lisse)
        agrandir_lisse(source, dest);
    else
        agrandir_net(source, dest);
}
