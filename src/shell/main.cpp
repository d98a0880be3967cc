// Entry point: brings the libraries up in order, starts the clocks and hands
// over to the game shell.
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "declar.h"
#include "edition.h"
#include "jeu.h"
#include "../platform/ttftext.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: zef [--edition classique|ameliore] [--revoir FILE]\n");
    return 2;
}

}  // namespace

// zef                          the game
// zef --edition WORD           the game in that edition (kept for next time)
// zef --revoir FILE            plays a recorded match, then ends
int main(int argc, char** argv)
{
    const char* rejeu = nullptr;
    std::optional<Edition> edition;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (arg == "--revoir" && !rejeu) {
            rejeu = argv[++i];
        } else if (arg == "--edition" && !edition) {
            Edition e;
            if (!edition_nommee(argv[++i], e))
                return usage();
            edition = e;
        } else {
            return usage();
        }
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    allegro_init();
    set_window_title("Quendavorin Fighter 2 - Tarvenholt - v0.1.6");
    set_color_depth(16);
    set_color_conversion(COLORCONV_TOTAL);
    set_alpha_blender();
    install_timer();
    install_keyboard();
    install_mouse();

    if (alfont_init() != ALFONT_OK) {
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
        allegro_message("Error while initializing alfont");
        allegro_exit();
        return 1;
    }

    reserve_voices(10, 0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) < 0)
        std::exit(1);
    install_joystick(JOY_TYPE_AUTODETECT);   // the game also runs without one

    installer_horloges();
    // The library's own text calls draw no background box either; its
    // setter is a compatibility call, hence the pragma.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    text_mode(-1);
#pragma GCC diagnostic pop
    alfont_text_mode(-1);

    Jeu* jeu = new Jeu;   // lives until the process ends
    jeu->edition_demandee = edition;
    if (rejeu)
        return jeu->revoir(rejeu);
    jeu->ZeF();

    alfont_exit();
    allegro_exit();
    return 0;
}
END_OF_MAIN()
