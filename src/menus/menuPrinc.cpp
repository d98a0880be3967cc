#include "menuPrinc.h"

namespace {

struct Bouton {
    LIEN MenuPrincipal::*lien;
    const char* ouvert;
    const char* ferme;
    int x, y;
    int code;
    int pause_ms;
};

// In the order they are tested and drawn.
const Bouton BOUTONS[] = {
    {&MenuPrincipal::versus, "graphics/versus1.bmp", "graphics/versus0.bmp", 123, 282, CHOIX_VERSUS, 250},
    {&MenuPrincipal::histoire, "graphics/histoire1.bmp", "graphics/histoire0.bmp", 87, 253, CHOIX_HISTOIRE, 250},
    {&MenuPrincipal::enligne, "graphics/enligne1.bmp", "graphics/enligne0.bmp", 98, 207, CHOIX_EN_LIGNE, 250},
    {&MenuPrincipal::options, "graphics/options1.bmp", "graphics/options0.bmp", 110, 160, CHOIX_OPTIONS, 300},
    {&MenuPrincipal::credits, "graphics/credits1.bmp", "graphics/credits0.bmp", 154, 109, CHOIX_CREDITS, 400},
    {&MenuPrincipal::quitter, "graphics/quitter1.bmp", "graphics/quitter0.bmp", 220, 68, CHOIX_QUITTER, 300},
};

}  // namespace

void MenuPrincipal::init_menu()
{
    for (const Bouton& bt : BOUTONS) {
        (this->*bt.lien).init_lien();
        (this->*bt.lien).charger(bt.ouvert, bt.ferme, bt.x, bt.y);
    }
    fond.SetObjetMenu("graphics/main.bmp", 0, 0);
    mouse_over = false;
    creer_cadre(b, curseur);
}

void MenuPrincipal::destroy_menu()
{
    fond.DestroyBitmap();
    for (const Bouton& bt : BOUTONS)
        (this->*bt.lien).Destroy();
    liberer_cadre(b, curseur);
}

void MenuPrincipal::test_interaction(CANALMENU& sonmenu)
{
    bool un_bouton = false;
    for (const Bouton& bt : BOUTONS) {
        LIEN& lien = this->*bt.lien;
        if (!mouse_over_bmp(lien.close, sonmenu)) {
            lien.active = false;
            continue;
        }
        lien.active = true;
        // Neighbouring buttons overlap: the one entered switches its
        // neighbours off.
        if (&lien == &options)
            credits.active = false;
        if (&lien == &credits)
            options.active = quitter.active = false;
        if (&lien == &quitter)
            credits.active = false;
        un_bouton = true;
        break;
    }
    if (!un_bouton)
        mouse_over = false;
}

int MenuPrincipal::LeMenu(CANALMENU& sonmenu)
{
    test_interaction(sonmenu);
    for (const Bouton& bt : BOUTONS) {
        const LIEN& lien = this->*bt.lien;
        lien.afficher(b);
        if (lien.active && (mouse_b & 1)) {
            sonmenu.jouer(1, EFFET_CLIC);
            rest(bt.pause_ms);
            return bt.code;
        }
    }
    // Once anything has polled the keyboard, the key table only moves when polled.
    poll_keyboard();
    if (key[KEY_ESC])
        return CHOIX_QUITTER;
    return CHOIX_AUCUN;
}

int MenuPrincipal::ChoixMenu(CANALMENU sonmenu)
{
    for (;;) {
        const int code = LeMenu(sonmenu);
        if (code != CHOIX_AUCUN) {
            rest(300);
            return code;
        }
        montrer_cadre(b, curseur);
        fond.AfficheFond(b);
    }
}
