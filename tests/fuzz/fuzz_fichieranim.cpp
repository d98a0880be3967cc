// Any bytes at all given to the animation file reader, and every record it
// keeps turned into a frame in play.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "graphics/fichieranim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (!f)
        return 0;
    auto table = std::make_unique<TableAnim>();
    lire_fichier_anim(f, *table);
    std::fclose(f);
    for (auto& slot : table->rec)
        for (const DONNEES& d : slot) {
            ImgAnim img;
            img.Init_Img_Anim();
            img.SetDonnee(d);
        }
    return 0;
}
