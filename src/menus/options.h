// The options screen: who drives each side, whether progression is on, and
// the edition the matches play.
// Choices go straight into the match parameters; leaving saves them.
#ifndef ZEF_OPTIONS_H
#define ZEF_OPTIONS_H

#include "../engine/parammoteur.h"
#include "lien.h"

class MenuOptions {
public:
    ObjetGraph fond;
    LIEN2 j1cpu, j2cpu, j1clav, j1joy, j2clav, j2joy, meoui, menon;
    LIEN2 edclassique, edameliore;
    LIEN retour;
    BITMAP* b = nullptr;
    bool mouse_over = false;
    BITMAP* curseur = nullptr;

    void init_menu();
    void destroy_menu();
    // Runs the screen until the back button is clicked (Escape does nothing here).
    void Menu_options(ParamMoteur* pm, CANALMENU sonmenu);
    // One pass; true when the back button was clicked (the settings are then saved).
    bool Passe(ParamMoteur* pm, CANALMENU& sonmenu);
    void test_interaction(CANALMENU& sonmenu);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& sonmenu) { return survol_sonore(obj, sonmenu, mouse_over); }
};

#endif
