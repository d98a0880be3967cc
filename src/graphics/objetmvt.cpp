#include "objetmvt.h"

void ObjetMvt::NewPos()
{
    // One reading of t for the whole step: a tick arriving meanwhile counts
    // in the next step.
    const int32_t maintenant = t;
    const int32_t dt = maintenant - time;
    Vx += (dt * Ax) / 10;
    Vy += (dt * Ay) / 10;
    integrer(dt);
    time = maintenant;
}
