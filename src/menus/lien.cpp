#include "lien.h"
#include "../graphics/fichierbmp.h"
#include "../shell/affichage.h"
#include "../shell/fenetre.h"

void LIEN::charger(const char* ouvert, const char* ferme, int x, int y)
{
    open.SetObjetMenu(ouvert, x, y);
    close.SetObjetMenu(ferme, x, y);
}

void LIEN::Destroy()
{
    open.DestroyBitmap();
    close.DestroyBitmap();
}

void LIEN2::charger(const char* choisi, const char* ouvert, const char* ferme, int x, int y)
{
    LIEN::charger(ouvert, ferme, x, y);
    set.SetObjetMenu(choisi, x, y);
}

void LIEN2::Destroy()
{
    LIEN::Destroy();
    set.DestroyBitmap();
}

bool sous_le_pointeur(const ObjetGraph& obj)
{
    if (!obj.ObjBmp)
        return false;
    const int x = obj.GetX(), y = obj.GetY();
    const int w = obj.ObjBmp->w, h = obj.ObjBmp->h;
    const int hauteur_pointeur = 480 - souris_y();
    return x < souris_x() && souris_x() < x + w && y - h < hauteur_pointeur && hauteur_pointeur < y;
}

bool survol_sonore(const ObjetGraph& obj, CANALMENU& son, bool& mouse_over)
{
    if (!sous_le_pointeur(obj))
        return false;
    if (!mouse_over)
        son.jouer(1, EFFET_SURVOL);
    mouse_over = true;
    return true;
}

void dessiner_curseur(BITMAP* b, BITMAP* curseur)
{
    if (curseur)
        draw_sprite(b, curseur, souris_x(), souris_y());
}

void creer_cadre(BITMAP*& b, BITMAP*& curseur)
{
    curseur = charger_bmp("graphics/curseur.bmp", desktop_palette);
    b = create_bitmap(640, 480);
    clear_bitmap(b);
}

void montrer_cadre(BITMAP* b, BITMAP* curseur)
{
    dessiner_curseur(b, curseur);
    montrer_image_cadencee(b);
    clear_bitmap(b);
}

void liberer_cadre(BITMAP*& b, BITMAP*& curseur)
{
    if (curseur)
        destroy_bitmap(curseur);
    if (b)
        destroy_bitmap(b);
    curseur = b = nullptr;
}

int boutons_cliques(std::initializer_list<LIEN*> liens, BITMAP* b, CANALMENU& son, bool& mouse_over)
{
    int clique = -1, i = 0;
    bool survol = false;
    for (LIEN* lien : liens) {
        lien->active = !survol && survol_sonore(lien->close, son, mouse_over);
        survol = survol || lien->active;
        lien->afficher(b);
        if (lien->active && (mouse_b & 1))
            clique = i;
        ++i;
    }
    if (!survol)
        mouse_over = false;
    return clique;
}

void attendre_relache(int touche)
{
    for (poll_keyboard(); key[touche]; poll_keyboard())
        rest(10);
}
