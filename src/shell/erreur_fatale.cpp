#include "erreur_fatale.h"

#include <allegro.h>

#include <cstdlib>

void erreur_fatale(const char* message)
{
    set_gfx_mode(GFX_TEXT, 640, 480, 0, 0);
    allegro_message("%s", message);
    std::exit(1);
}
