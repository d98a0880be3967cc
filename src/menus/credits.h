// The credits: a picture of text rising slowly over a background until a key
// or a click.
#ifndef ZEF_CREDITS_H
#define ZEF_CREDITS_H

#include "../story/texte.h"
#include "lien.h"

class MenuCredits {
public:
    ObjetGraph fond;
    ObjetGraph txtcredits;
    BITMAP* b = nullptr;
    BITMAP* curseur = nullptr;
    FontClass police;

    void init_menu();
    void destroy_menu();
    void Menu_credits(CANALMENU sonmenu);
    // The text's rise for the pending game ticks: half a pixel each.
    void Monter(double& position);
};

#endif
