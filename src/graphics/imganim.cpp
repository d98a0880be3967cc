#include "imganim.h"
#include "fichierbmp.h"

#include <algorithm>
#include <cstring>

namespace {

int borne(int32_t n, int max) { return std::clamp<int32_t>(n, 0, max); }

POINT vers_le_haut(POINT p) { return {p.x, -p.y}; }

}  // namespace

void ImgAnim::Init_Img_Anim()
{
    *this = ImgAnim();
    O = {-1, -1};
}

void ImgAnim::SetDonnee(const DONNEES& d)
{
    O = d.O;
    // A file may claim more points or zones than a frame holds: keep what fits.
    nbattaque = borne(d.nb_attaques, MAX_ATTAQUES);
    nbstand = borne(d.nb_touches, MAX_TOUCHES);
    nbdefense = 0;
    for (int i = 0; i < nbattaque; ++i)
        attaque[i] = vers_le_haut(d.attaque[i]);
    for (int i = 0; i < nbstand; ++i)
        stand[i] = {vers_le_haut(d.touche[i].SupG), vers_le_haut(d.touche[i].InfD)};
    ObjX = d.positionFX.x;
    ObjY = -d.positionFX.y;
    ObjSpe = d.lanceFX;
    tpimg = d.time;
    mana = d.mana;
    boucl = d.boucl;
    mvtx = d.mvtx;
    mvty = -d.mvty;
    grav = d.grav;
    deg = d.dgt;
    deg.ForceVy = -d.dgt.ForceVy;
    std::memcpy(chem, d.chemin, sizeof chem);
    chem[LONGUEUR_CHEMIN - 1] = '\0';
}

void ImgAnim::LoadImg() { img = charger_bmp(chem, palp1); }
