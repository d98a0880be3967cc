#include "support/allegro_env.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

void allegro_sans_systeme()
{
    static const bool pret = [] {
        install_allegro(SYSTEM_NONE, &errno, atexit);
        set_color_depth(16);
        set_color_conversion(COLORCONV_TOTAL);
        return true;
    }();
    (void)pret;
}
