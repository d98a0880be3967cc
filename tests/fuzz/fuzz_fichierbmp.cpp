// Any bytes at all given to the picture check, and whatever it lets through
// given to the library's BMP loader.
#include <allegro.h>

#include <cstddef>
#include <cstdint>

#include "graphics/fichierbmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool pret = [] {
        install_allegro(SYSTEM_NONE, &errno, nullptr);
        set_color_depth(16);
        set_color_conversion(COLORCONV_TOTAL);
        return true;
    }();
    (void)pret;
    PALETTE palette;
    if (BITMAP* image = lire_bmp(data, size, palette, "fuzz"))
        destroy_bitmap(image);
    return 0;
}
