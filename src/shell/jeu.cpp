#include "jeu.h"

#include <cstdlib>

#include "fichierconfig.h"

namespace {

constexpr int CHOIX_QUITTER = 6;

// Where the intro draws the logo, and how long it lasts in counts of t.
constexpr int LOGO_X = 127;
constexpr int LOGO_Y = 208;
constexpr int DUREE_INTRO = 1300;

// The intro's length is counted in frames as much as in timer counts (every
// frame moves t on by one), so it is drawn at a full-screen display's cadence,
// one frame per 60 Hz game tick, rather than as fast as a memory copy allows.
void attendre_trame()
{
    while (gamet <= 0)
        rest(1);
    --gamet;
}

}  // namespace

bool ouvrir_ecran()
{
    if (set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, 640, 480, 0, 0) == 0)
        return true;
    return set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) == 0;
}

void Jeu::ZeF()
{
    continuer = false;
    parMoteur.parP1.joueur = 1;
    parMoteur.parP2.joueur = 2;
    parMoteur.parP1.control = CONTROLE_CPU;
    parMoteur.parP2.control = CONTROLE_CPU;
    parMoteur.ModeEvolution = false;

    chargerFichierConfig(&parMoteur);
    introdujeu();

    for (;;) {
        if (!continuer) {
            clear_keybuf();
            sonmenu.initialiser();
            sonmenu.jouer(0, 0);
            continuer = true;
        }
        switch (attendre_choix()) {
        case CHOIX_QUITTER:
            std::exit(1);
        default:
            break;
        }
    }
}

// Stands in for the main menu: a black screen that Escape leaves.
int Jeu::attendre_choix()
{
    BITMAP* noir = create_bitmap(SCREEN_W, SCREEN_H);
    clear_to_color(noir, makecol(0, 0, 0));
    // The key buffer also catches a press shorter than one pass of the loop.
    for (;;) {
        if (key[KEY_ESC] || (keypressed() && (readkey() >> 8) == KEY_ESC))
            break;
        blit(noir, screen, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        rest(10);
    }
    destroy_bitmap(noir);
    return CHOIX_QUITTER;
}

void Jeu::introdujeu()
{
    if (!ouvrir_ecran()) {
        allegro_message("Cannot open a 640x480 display: %s", allegro_error);
        std::exit(1);
    }
    int alpha = 0;
    set_trans_blender(0, 0, 0, 0);

    BITMAP* buffer = load_bitmap("graphics/blackscreen.bmp", desktop_palette);
    BITMAP* intro = load_bitmap("graphics/logo.bmp", desktop_palette);
    if (!buffer)
        buffer = create_bitmap(640, 480);   // the intro still needs a frame to draw into

    gamet = 0;
    int32_t t0 = t;
    SON sonintro;
    sonintro.ouvrir("wav/Pyxelharn.wav");
    sonintro.lire();
    const int32_t t1 = t;

    for (;;) {
        if (keypressed() || (mouse_b & 1))
            break;
        clear_to_color(buffer, makecol(0, 0, 0));
        if (alpha <= 254 && t - t0 > 2) {
            set_trans_blender(0, 0, 0, alpha);
            ++alpha;
            t0 = t;
        }
        if (intro)
            draw_trans_sprite(buffer, intro, LOGO_X, LOGO_Y);
        blit(buffer, screen, 0, 0, 0, 0, 640, 480);
        attendre_trame();
        ++t;   // the intro moves the animation clock on by itself too
        if (t - t1 > DUREE_INTRO)
            break;
    }

    sonintro.fermer();
    if (intro)
        destroy_bitmap(intro);
    destroy_bitmap(buffer);
}
