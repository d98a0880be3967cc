#include "fenetre.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "affichage.h"

namespace {

// Set by the library's input thread, read by the game's.
std::atomic<bool> fermeture{false};

}  // namespace

void demander_fermeture() { fermeture = true; }

void surveiller_bouton_fermer() { set_close_button_callback(demander_fermeture); }

void montrer_image(BITMAP* image)
{
    presenter(image);
    if (fermeture)
        std::exit(1);
}

void montrer_image_cadencee(BITMAP* image)
{
    using horloge = std::chrono::steady_clock;
    static horloge::time_point precedente;
    montrer_image(image);
    const horloge::time_point suivante = precedente + std::chrono::microseconds(16667);
    const horloge::time_point maintenant = horloge::now();
    // After a pause longer than a frame (a loading, a match) start afresh.
    if (suivante > maintenant) {
        std::this_thread::sleep_until(suivante);
        precedente = suivante;
    } else {
        precedente = maintenant;
    }
}
