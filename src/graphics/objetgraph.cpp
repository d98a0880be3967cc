#include "objetgraph.h"
#include "fichierbmp.h"

void ObjetGraph::GraphVarInit()
{
    x = y = dx = dy = 0;
    chbitmap = " ";
    hflip = false;
}

void ObjetGraph::SetObjet(const char* chemin, int X, int Y, bool centrer)
{
    GraphVarInit();
    chbitmap = chemin;
    LoadBitmap();
    x = centrer ? centrer_x() : X;
    y = Y;
}

void ObjetGraph::SetObjetMenu(const char* chemin, int X, int Y)
{
    hflip = false;
    chbitmap = chemin;
    LoadBitmap();
    x = X;
    y = Y;
}

void ObjetGraph::SetObjetMenuCentre(const char* chemin, int /*X*/, int Y)
{
    GraphVarInit();
    chbitmap = chemin;
    LoadBitmap();
    x = centrer_x();
    y = Y;
}

void ObjetGraph::LoadBitmap() { ObjBmp = charger_bmp(chbitmap, palp1); }

void ObjetGraph::DestroyBitmap()
{
    if (ObjBmp)
        destroy_bitmap(ObjBmp);
    ObjBmp = nullptr;
}

int ObjetGraph::gauche_ecran(int scrollx) const
{
    // Mirrored, the anchor is w - dx from the left edge: it stays on the same
    // screen column whichever way the picture faces.
    if (hflip)
        return x + dx - ObjBmp->w - scrollx;
    return x - dx - scrollx;
}

void ObjetGraph::Affiche(BITMAP* dest, ParamLvl lvl) const
{
    if (!ObjBmp)
        return;
    const int gauche = gauche_ecran(lvl.scrollx);
    const int haut = haut_ecran(lvl.scrolly);
    if (hflip)
        draw_sprite_h_flip(dest, ObjBmp, gauche, haut);
    else
        draw_sprite(dest, ObjBmp, gauche, haut);
}

void ObjetGraph::AfficheTransp(BITMAP* dest, ParamLvl lvl, int alpha) const
{
    if (!ObjBmp)
        return;
    set_trans_blender(0, 0, 0, alpha);
    draw_trans_sprite(dest, ObjBmp, x - dx - lvl.scrollx, haut_ecran(lvl.scrolly));
}

void ObjetGraph::AfficheEcran(BITMAP* dest) const
{
    if (ObjBmp)
        draw_sprite(dest, ObjBmp, x, 480 - y);
}

void ObjetGraph::AfficheFond(BITMAP* dest) const
{
    if (ObjBmp)
        blit(ObjBmp, dest, 0, 0, 0, 0, 640, 480);
}
