#include "credits.h"

void MenuCredits::init_menu()
{
    creer_cadre(b, curseur);
    fond.SetObjetMenu("graphics/credits.bmp", 0, 0);
    // Starts hidden, its top 30 pixels below the bottom of the screen.
    txtcredits.SetObjetMenuCentre("graphics/txtcredits.bmp", 0, -30);
    police.charger("graphics/Fanjofey.ttf");
    police.taille(20);
}

void MenuCredits::destroy_menu()
{
    fond.DestroyBitmap();
    txtcredits.DestroyBitmap();
    police.destroy();
    liberer_cadre(b, curseur);
}

void MenuCredits::Monter(double& position)
{
    // 30 pixels a second whatever the frame rate.
    while (gamet > 0) {
        position += 0.5;
        txtcredits.SetY(static_cast<int>(position));
        --gamet;
    }
}

void MenuCredits::Menu_credits(CANALMENU sonmenu)
{
    double position = txtcredits.GetY();
    gamet = 1;
    while (!keypressed() && !(mouse_b & 1)) {
        Monter(position);
        fond.AfficheFond(b);
        alfont_textout_centre_aa(b, police.font, "Pressez une touche pour continuer", 320, 460, makecol(100, 100, 100));
        txtcredits.AfficheEcran(b);
        montrer_cadre(b, curseur);
    }
    sonmenu.jouer(1, EFFET_CLIC);
    rest(400);
}
