// A fighter's projectile: an animated object with an animation file of its
// own, flying under the velocities its frames impose.
#ifndef ZEF_PROJECTILE_H
#define ZEF_PROJECTILE_H

#include "objetanim.h"

class Projectile : public ObjetAnim {
public:
    // Ready at (0, 0), unmirrored, still, nothing playing, animations loaded.
    void ProjInit(const ParamJoueur& par);
    void SetPath(const ParamJoueur& par);
    // A frame's velocity, when it has one, replaces the current one; no bounds.
    void NewPos();
};

#endif
