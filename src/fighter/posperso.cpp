#include "perso.h"

void Perso::NewPos()
{
    const int32_t maintenant = t;
    const int32_t dt = maintenant - time;
    const ImgAnim img = ExtrAnim();
    // A frame's own velocity overrides the fighter's while it shows.
    if (img.mvtx != 0)
        Vx = hflip ? -img.mvtx : img.mvtx;
    else
        Vx += (dt * Ax) / 10;
    if (img.mvty != 0)
        Vy = img.mvty;
    else
        Vy += (dt * Ay) / 10;
    integrer(dt);
    if (x - dx < 0)
        x = dx;
    if (x + dx > MAXX)
        x = MAXX - dx;
    if (y < 0)
        y = 0;
    if (y > MAXY)
        y = MAXY;
    time = maintenant;
}

void Perso::Affiche(BITMAP* dest, ParamLvl par) const
{
    ObjetGraph::Affiche(dest, par);
    if (nObj != 0)
        Obj.ObjetGraph::Affiche(dest, par);
}
