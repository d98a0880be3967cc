#pragma once
// A fighter drawn large: a three-quarter bust, cut at the waist, facing
// right, in the pose named "portrait" of its source. The skeleton's
// proportions, the palette, the painted parts and the look are the sprite's;
// the bust adds what a sprite is too small to show: a face seen from the
// front, costume details, cel shading lit from the front with a rim of the
// fighter's own energy colour behind.

#include <cairo.h>

#include "rig.h"
#include "source.h"

// Where the bust's main parts fall, in bust coordinates: the pit of the
// neck at (0, 0), x towards the face, y downward, in portrait pixels.
struct BustMarks {
    Vec head;            // centre of the head
    double head_r = 10;  // its radius
    double top = 0;      // the top of the head and what it wears (hair, ears, crown)
    double waist = 0;    // where the torso is cut
};

BustMarks bust_marks(const FighterSource& src);

// Draws the bust in bust coordinates on `cr` (whatever its transformation).
// Everything below `marks.waist` is left to the caller to cut away.
void draw_bust(cairo_t* cr, const FighterSource& src);
