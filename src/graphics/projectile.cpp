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

void Projectile::NewPos() { PasSelonImage(); }
