// The title screen: a picture and six buttons driven by the mouse.
#ifndef ZEF_MENUPRINC_H
#define ZEF_MENUPRINC_H

#include "lien.h"

// What the title screen returns.
enum ChoixMenuPrincipal { CHOIX_AUCUN = 0, CHOIX_VERSUS = 1, CHOIX_HISTOIRE = 2, CHOIX_TOURNOI = 3,
                          CHOIX_OPTIONS = 4, CHOIX_CREDITS = 5, CHOIX_QUITTER = 6, CHOIX_EN_LIGNE = 7 };

class MenuPrincipal {
public:
    ObjetGraph fond;
    LIEN versus, histoire, enligne, options, credits, quitter;
    BITMAP* b = nullptr;
    bool mouse_over = false;
    BITMAP* curseur = nullptr;

    void init_menu();
    void destroy_menu();
    // Runs the screen until a choice is made.
    int ChoixMenu(CANALMENU sonmenu);
    // One pass: hover test, drawing, click test; 0 or a choice.
    int LeMenu(CANALMENU& sonmenu);
    void test_interaction(CANALMENU& sonmenu);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& sonmenu) { return survol_sonore(obj, sonmenu, mouse_over); }
};

#endif
