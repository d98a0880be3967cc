// A volume slider: a track, the part of it filled up to the knob, and the
// knob, dragged with the mouse. The value runs 0..255, the sound library's
// volume scale.
#ifndef ZEF_GLISSIERE_H
#define ZEF_GLISSIERE_H

#include <cstdint>

#include "lien.h"

constexpr int VOLUME_MAX = 255;

// The value for a pointer at column `souris_x` over a track starting at `x`,
// `largeur` wide: 0 at its left end, VOLUME_MAX at its right end, clamped.
int valeur_glissiere(int souris_x, int x, int largeur);

class Glissiere {
public:
    // Track and knob images, the track's top-left corner on the screen
    // (x from the left, y from the top), the knob centred on the track.
    void charger(int x, int y);
    void Destroy();
    // Draws it for `volume` and follows the mouse: a press on the track or
    // the knob grabs it and the value follows the pointer until the button
    // is released, wherever the pointer goes. True when the value changed.
    bool Passe(BITMAP* b, uint32_t& volume);
    bool saisie() const { return saisie_; }
    int x() const { return x_; }
    int y() const { return y_; }
    int largeur() const;

private:
    ObjetGraph piste_, pleine_;
    LIEN poignee_;
    int x_ = 0, y_ = 0;
    bool saisie_ = false;

    bool sur_la_piste() const;
};

#endif
