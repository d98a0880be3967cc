#include "perso.h"

namespace {

int largeur(const ObjetGraph& o) { return o.ObjBmp ? o.ObjBmp->w : 0; }

void charger(ObjetGraph& o, const char* chemin)
{
    o.GraphVarInit();
    o.SetChBitmap(chemin);
    o.LoadBitmap();
}

// A strip of the bar's picture, from its left edge, w pixels wide; nothing
// for a width of zero or less.
void bande(BITMAP* dest, const ObjetGraph& o, int w, int x, int y)
{
    if (o.ObjBmp && w > 0)
        blit(o.ObjBmp, dest, 0, 0, x, y, w, o.ObjBmp->h);
}

}  // namespace

void Perso::InitBarre()
{
    const bool j1 = joueur == 1;
    charger(BarreFond, "graphics/barref.bmp");
    charger(BarreVie, j1 ? "graphics/barrePV1.bmp" : "graphics/barrePV2.bmp");
    charger(BarreVie2, "graphics/barrePV.bmp");
    charger(BarreMana, j1 ? "graphics/barremana1.bmp" : "graphics/barremana2.bmp");
    BarreFond.SetX(j1 ? 30 : 610 - largeur(BarreFond));
    BarreVie.SetX(j1 ? 32 : 608 - largeur(BarreVie));
    BarreVie2.SetX(j1 ? 32 : 608 - largeur(BarreVie));
    BarreMana.SetX(j1 ? 32 : 608 - largeur(BarreMana));
    BarreFond.SetY(470);
    BarreVie.SetY(468);
    BarreVie2.SetY(468);
    BarreMana.SetY(444);
    tdVie = t;
}

void Perso::AfficheBarre(BITMAP* dest) const
{
    if (BarreFond.ObjBmp) {
        blit(BarreFond.ObjBmp, dest, 0, 0, BarreFond.GetX(), 480 - BarreFond.GetY(), BarreFond.ObjBmp->w,
             BarreFond.ObjBmp->h);
        blit(BarreFond.ObjBmp, dest, 0, 0, BarreFond.GetX(), 504 - BarreFond.GetY(), BarreFond.ObjBmp->w,
             BarreFond.ObjBmp->h);
    }
    const int pv = donneesperso.PV > 0 ? donneesperso.PV : 1;
    const int manamax = donneesperso.ManaMax > 0 ? donneesperso.ManaMax : 1;
    const int w2 = largeur(BarreVie2), wv = largeur(BarreVie), wm = largeur(BarreMana);
    const int d = static_cast<int>(dVie) * w2 / pv;
    const int v = Vie * wv / pv;
    const int m = Mana * wm / manamax;
    const int haut_vie = 480 - BarreVie.GetY();
    const int haut_mana = 480 - BarreMana.GetY();
    if (joueur == 1) {
        // Player 1's life empties towards the screen's left edge.
        bande(dest, BarreVie2, d, BarreVie2.GetX() + w2 - d, haut_vie);
        bande(dest, BarreVie, v, BarreVie.GetX() + wv - v, haut_vie);
        bande(dest, BarreMana, m, BarreMana.GetX(), haut_mana);
    } else {
        bande(dest, BarreVie2, d, BarreVie2.GetX(), haut_vie);
        bande(dest, BarreVie, v, BarreVie.GetX(), haut_vie);
        bande(dest, BarreMana, m, BarreMana.GetX() + wm - m, haut_mana);
    }
}
