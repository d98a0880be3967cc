// Any bytes at all given to the replay reader, and a replay it accepts
// written again: the same bytes come back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/rejeu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Rejeu r;
    if (lire_rejeu(data, size, r))
        return 0;
    const std::string encore = ecrire_rejeu(r);
    Rejeu relu;
    if (lire_rejeu(reinterpret_cast<const uint8_t*>(encore.data()), encore.size(), relu) != nullptr ||
        relu.entrees != r.entrees || relu.sommes != r.sommes || relu.graine != r.graine)
        std::abort();
    return 0;
}
