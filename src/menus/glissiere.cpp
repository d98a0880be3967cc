#include "glissiere.h"

#include <algorithm>

#include "../shell/affichage.h"

namespace {

// Images are placed by their top edge's height above the bottom of the screen.
int hauteur(int y_ecran) { return 480 - y_ecran; }
int largeur_de(const ObjetGraph& o) { return o.ObjBmp ? o.ObjBmp->w : 0; }
int hauteur_de(const ObjetGraph& o) { return o.ObjBmp ? o.ObjBmp->h : 0; }

}  // namespace

int valeur_glissiere(int souris_x, int x, int largeur)
{
    if (largeur <= 1 || souris_x <= x)
        return 0;
    if (souris_x >= x + largeur - 1)
        return VOLUME_MAX;
    return ((souris_x - x) * VOLUME_MAX + (largeur - 1) / 2) / (largeur - 1);
}

void Glissiere::charger(int x, int y)
{
    x_ = x;
    y_ = y;
    saisie_ = false;
    piste_.SetObjetMenu("graphics/glissiere.bmp", x, hauteur(y));
    pleine_.SetObjetMenu("graphics/glissiere_pleine.bmp", x, hauteur(y));
    poignee_.init_lien();
    poignee_.charger("graphics/poignee1.bmp", "graphics/poignee0.bmp", x, hauteur(y));
}

void Glissiere::Destroy()
{
    piste_.DestroyBitmap();
    pleine_.DestroyBitmap();
    poignee_.Destroy();
}

int Glissiere::largeur() const { return largeur_de(piste_); }

bool Glissiere::sur_la_piste() const
{
    // The knob stands out of the track: its rows count too.
    const int haut = y_ + (hauteur_de(piste_) - hauteur_de(poignee_.close)) / 2;
    const int bas = haut + std::max(hauteur_de(piste_), hauteur_de(poignee_.close));
    return souris_x() >= x_ && souris_x() < x_ + largeur() && souris_y() >= std::min(haut, y_) &&
           souris_y() < std::max(bas, y_ + hauteur_de(piste_));
}

bool Glissiere::Passe(BITMAP* b, uint32_t& volume)
{
    if (!(mouse_b & 1))
        saisie_ = false;
    else if (!saisie_ && sur_la_piste())
        saisie_ = true;
    const uint32_t avant = volume;
    if (saisie_)
        volume = static_cast<uint32_t>(valeur_glissiere(souris_x(), x_, largeur()));
    if (volume > VOLUME_MAX)
        volume = VOLUME_MAX;

    const int w = largeur();
    const int knob_w = largeur_de(poignee_.close), knob_h = hauteur_de(poignee_.close);
    const int centre = x_ + static_cast<int>(volume) * (w - 1) / VOLUME_MAX;
    piste_.AfficheEcran(b);
    if (pleine_.ObjBmp)
        masked_blit(pleine_.ObjBmp, b, 0, 0, x_, y_, centre - x_, pleine_.ObjBmp->h);
    poignee_.open.SetX(centre - knob_w / 2);
    poignee_.close.SetX(centre - knob_w / 2);
    const int knob_y = hauteur(y_ + (hauteur_de(piste_) - knob_h) / 2);
    poignee_.open.SetY(knob_y);
    poignee_.close.SetY(knob_y);
    poignee_.active = saisie_ || sous_le_pointeur(poignee_.close);
    poignee_.afficher(b);
    return volume != avant;
}
