#include "fenetre.h"

#include <atomic>
#include <cstdlib>

namespace {

// Set by the library's input thread, read by the game's.
std::atomic<bool> fermeture{false};

}  // namespace

void demander_fermeture() { fermeture = true; }

void surveiller_bouton_fermer() { set_close_button_callback(demander_fermeture); }

void montrer_image(BITMAP* image)
{
    if (screen)
        blit(image, screen, 0, 0, 0, 0, 640, 480);
    if (fermeture)
        std::exit(1);
}
