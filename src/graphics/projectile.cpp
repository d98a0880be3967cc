#include "projectile.h"

#include <cstdio>

namespace {

const char* const FICHIERS[] = {"shiz/fx/fx.p", "talon/fx/fx.p", "vishvakarman/fx/fx.p", "panda/fx/fx.p"};

}  // namespace

void Projectile::ProjInit(const ParamJoueur& par)
{
    GraphVarInit();
    MvtVarInit();
    SynchroTime();
    SetPath(par);
    LoadAllAnime(par);
    SynchroTimeAnim();
}

void Projectile::SetPath(const ParamJoueur& par)
{
    if (par.perso >= shiz && par.perso <= panda)
        std::snprintf(pathfile, sizeof pathfile, "%s", FICHIERS[par.perso]);
}

void Projectile::NewPos()
{
    const int32_t maintenant = t;
    const int32_t dt = maintenant - time;
    const ImgAnim img = ExtrAnim();
    if (img.mvtx != 0)
        Vx = hflip ? -img.mvtx : img.mvtx;
    else
        Vx += (dt * Ax) / 10;
    if (img.mvty != 0)
        Vy = img.mvty;
    else
        Vy += (dt * Ay) / 10;
    integrer(dt);
    time = maintenant;
}
