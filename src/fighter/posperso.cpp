#include "perso.h"

void Perso::NewPos()
{
    PasSelonImage();
    // Kept on the stage.
    if (x - dx < 0)
        x = dx;
    if (x + dx > MAXX)
        x = MAXX - dx;
    if (y < 0)
        y = 0;
    if (y > MAXY)
        y = MAXY;
}

void Perso::Affiche(BITMAP* dest, ParamLvl par) const
{
    ObjetGraph::Affiche(dest, par);
    if (nObj != 0)
        Obj.ObjetGraph::Affiche(dest, par);
}
