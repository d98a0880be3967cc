#include "credits.h"

void MenuCredits::init_menu()
{
    b = create_bitmap(640, 480);
    clear_bitmap(b);
    fond.SetObjetMenu("graphics/credits.bmp", 0, 0);
    // Starts hidden, its top 30 pixels below the bottom of the screen.
    txtcredits.SetObjetMenuCentre("graphics/txtcredits.bmp", 0, -30);
    curseur = load_bitmap("graphics/curseur.bmp", desktop_palette);
    police.charger("graphics/Fanjofey.ttf");
    police.taille(20);
}

void MenuCredits::destroy_menu()
{
    fond.DestroyBitmap();
    txtcredits.DestroyBitmap();
    if (curseur)
        destroy_bitmap(curseur);
    curseur = nullptr;
    police.destroy();
    if (b)
        destroy_bitmap(b);
    b = nullptr;
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
        dessiner_curseur(b, curseur);
        blit(b, screen, 0, 0, 0, 0, 640, 480);
        clear_bitmap(b);
    }
    sonmenu.jouer(1, EFFET_CLIC);
    rest(400);
}
