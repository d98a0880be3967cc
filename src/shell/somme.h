// The checksum of a match's state: FNV-1a over the integers that make it up,
// in a fixed order. Every class whose fields belong to a fight adds them with
// a Resumer member standing beside those fields, so that a field added later
// is not forgotten. Addresses never enter it: a pointer is summed as what it
// points at (a slot, a frame), so two runs of the same match give the same sums.
#ifndef ZEF_SOMME_H
#define ZEF_SOMME_H

#include <cstdint>
#include <cstring>
#include <initializer_list>

class Somme {
public:
    void ajouter(int64_t v)
    {
        for (int i = 0; i < 8; ++i) {
            h_ ^= static_cast<uint64_t>(v >> (8 * i)) & 0xFF;
            h_ *= 1099511628211ull;
        }
    }
    void ajouter(std::initializer_list<int64_t> valeurs)
    {
        for (int64_t v : valeurs)
            ajouter(v);
    }
    void ajouter_reel(double v)
    {
        int64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        ajouter(bits);
    }
    uint64_t valeur() const { return h_; }

private:
    uint64_t h_ = 1469598103934665603ull;
};

#endif
