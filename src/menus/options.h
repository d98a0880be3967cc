// The options screen: who drives each side, whether progression is on, and
// the edition the matches play.
// Choices go straight into the match parameters; leaving saves them.
#ifndef ZEF_OPTIONS_H
#define ZEF_OPTIONS_H

#include "../engine/parammoteur.h"
#include "../story/texte.h"
#include "glissiere.h"
#include "lien.h"

class MenuOptions {
public:
    ObjetGraph fond;
    ObjetGraph fond_plus;   // the enhanced edition's, with the volume rows
    LIEN2 j1cpu, j2cpu, j1clav, j1joy, j2clav, j2joy, meoui, menon;
    LIEN2 edclassique, edameliore;
    LIEN retour;
    Glissiere volume_effets, volume_de_la_musique;
    FontClass police;
    int message_manette = 0;   // passes left to show that no joystick is connected
    BITMAP* b = nullptr;
    bool mouse_over = false;
    BITMAP* curseur = nullptr;

    void init_menu();
    void destroy_menu();
    // Runs the screen until the back button is clicked (or, in the enhanced
    // edition, Escape is pressed).
    void Menu_options(ParamMoteur* pm, CANALMENU& sonmenu);
    // One pass; true when the screen is left (the settings are then saved).
    bool Passe(ParamMoteur* pm, CANALMENU& sonmenu);
    void test_interaction(CANALMENU& sonmenu);
    bool mouse_over_bmp(const ObjetGraph& obj, CANALMENU& sonmenu) { return survol_sonore(obj, sonmenu, mouse_over); }

private:
    int glissiere_tenue_ = 0;   // 1 the effects' slider, 2 the music's, 0 none
};

#endif
