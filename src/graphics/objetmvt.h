// A graphic object that moves: integer velocity and acceleration integrated
// against the animation clock t.
//
// Units: a velocity V moves V/10 pixels per tick of t, an acceleration A
// changes the velocity by A/10 per tick; every division truncates toward zero.
#ifndef ZEF_OBJETMVT_H
#define ZEF_OBJETMVT_H

#include "objetgraph.h"

class ObjetMvt : public ObjetGraph {
public:
    int32_t Ax = 0;
    int32_t Ay = 0;   // positive upward

    void MvtVarInit() { Ax = Ay = Vx = Vy = 0; }
    // Starts counting from now, so the next step does not integrate idle time.
    void SynchroTime() { time = t; }
    void SetMaxXY(int a, int b)
    {
        MAXX = a;
        MAXY = b;
    }
    void SetAx(int v) { Ax = v; }
    void SetAy(int v) { Ay = v; }
    void SetVx(int v) { Vx = v; }
    void SetVy(int v) { Vy = v; }
    void AddVx(int v) { Vx += v; }
    void AddVy(int v) { Vy += v; }
    int GetVx() const { return Vx; }
    int GetVy() const { return Vy; }
    void NewPos();

    void Resumer(Somme& h) const
    {
        ObjetGraph::Resumer(h);
        h.ajouter({Ax, Ay, Vx, Vy, MAXX, MAXY, time});
    }

protected:
    int32_t Vx = 0;
    int32_t Vy = 0;   // positive upward
    int32_t MAXX = 0;
    int32_t MAXY = 0;
    int32_t time = 0;   // t at the last position step

    // x and y moved by dt ticks at the current velocities (y first).
    void integrer(int32_t dt)
    {
        y += (dt * Vy) / 10;
        x += (dt * Vx) / 10;
    }
};

#endif
