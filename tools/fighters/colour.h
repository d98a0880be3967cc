#pragma once
// Colours for the fighters' drawings: scaled and blended, and given to cairo.

#include <cairo.h>

#include "common/image.h"

Rgb scale(Rgb c, double k);
Rgb blend(Rgb a, Rgb b, double f);
void set_colour(cairo_t* cr, Rgb c, double alpha = 1.0);
void add_stop(cairo_pattern_t* p, double at, Rgb c, double alpha = 1.0);
// The colour of a surface turned away from the light: darker and a little cooler.
Rgb shadow_of(Rgb c);

constexpr Rgb kInkWhite{255, 255, 255};
