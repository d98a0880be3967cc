// The game shell: owns what outlives a single screen, plays the intro and
// runs the main loop that launches everything else.
#ifndef ZEF_JEU_H
#define ZEF_JEU_H

#include "../engine/parammoteur.h"
#include "../sound/son.h"

class Jeu {
public:
    ParamMoteur parMoteur;
    CANALMENU sonmenu;

    // Never returns: quitting ends the process with status 1.
    void ZeF();
    void introdujeu();

private:
    // True while the main menu and its channel are set up and playing.
    bool continuer = false;

    int attendre_choix();
};

// Sets the 640 x 480 display: full screen when the platform grants it,
// otherwise a window. False when neither can be had.
bool ouvrir_ecran();

#endif
