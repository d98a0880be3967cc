#include "erreur_fatale.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

void erreur_fatale(const char* message)
{
    // Also for a terminal, where a message box may never be seen.
    std::fprintf(stderr, "zef: %s\n", message);
    set_gfx_mode(GFX_TEXT, 640, 480, 0, 0);
    allegro_message("%s", message);
    std::exit(1);
}
