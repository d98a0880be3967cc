// One positioned picture with an anchor and a mirror flag: the root of
// everything drawn, from menu buttons to fighters.
//
// Stage objects have their anchor at stage (x, y), y upward from the bottom
// of the stage; screen objects give x from the left edge and y as the height
// of the picture's top edge above the bottom of the screen.
#ifndef ZEF_OBJETGRAPH_H
#define ZEF_OBJETGRAPH_H

#include <allegro.h>

#include <cstdint>

#include "../shell/somme.h"
#include "paramlvl.h"

class ObjetGraph {
public:
    int32_t dx = 0;          // anchor column, from the picture's left edge
    int32_t dy = 0;          // anchor row, from the picture's top edge
    BITMAP* ObjBmp = nullptr;
    bool hflip = false;      // drawn mirrored left to right

    void GraphVarInit();
    void SetObjet(const char* chemin, int X, int Y, bool centrer);
    void SetObjetMenu(const char* chemin, int X, int Y);
    void SetObjetMenuCentre(const char* chemin, int X, int Y);
    // Shows a picture owned by someone else (an animation frame).
    void SetBitmap(BITMAP* bmp) { ObjBmp = bmp; }
    void SetChBitmap(const char* chemin) { chbitmap = chemin; }
    void SetX(int v) { x = v; }
    void SetY(int v) { y = v; }
    int GetX() const { return x; }
    int GetY() const { return y; }
    int GetX_scr(int camerax) const { return x - camerax; }
    void BmpFlip() { hflip = !hflip; }
    bool EstRetourne() const { return hflip; }
    void LoadBitmap();
    void DestroyBitmap();

    // On the stage, through the camera; masked.
    void Affiche(BITMAP* dest, ParamLvl lvl) const;
    // On the stage, blended at alpha 0..255, never mirrored.
    void AfficheTransp(BITMAP* dest, ParamLvl lvl, int alpha) const;
    // At its fixed screen place; masked.
    void AfficheEcran(BITMAP* dest) const;
    // As the whole 640 x 480 background.
    void AfficheFond(BITMAP* dest) const;

    // Its place on the stage; the picture is summed by its owner, which
    // knows which frame it is.
    void Resumer(Somme& h) const { h.ajouter({dx, dy, hflip, x, y}); }

protected:
    int32_t x = 0;
    int32_t y = 0;
    const char* chbitmap = " ";

    // Screen column of the picture's left edge, and of its top edge.
    int gauche_ecran(int scrollx) const;
    int haut_ecran(int scrolly) const { return 480 - (y + dy - scrolly); }
    int centrer_x() const { return ObjBmp ? 320 - ObjBmp->w / 2 : 320; }
};

#endif
