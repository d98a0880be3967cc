#pragma once
// Cel-shaded drawing with cairo for the fighters' large pictures: shapes
// made of overlapping parts (filled as one, with one outline round them
// all), lit from the front and above, with a shadow crescent on the side away
// from the light, a highlight on the lit side and a thin rim of a coloured
// back light.

#include <cairo.h>

#include <functional>
#include <vector>

#include "common/image.h"
#include "colour.h"
#include "geometry.h"
#include "rig.h"

// ---------------------------------------------------------------- paths

// Adds one closed piece to cairo's current path.
using Part = std::function<void(cairo_t*)>;
// Pieces drawn as one: their union.
using Shape = std::vector<Part>;

Part taper(Vec a, double ra, Vec b, double rb);  // a limb: two circles and their tangents
Part ellipse(Vec c, double rx, double ry, double angle = 0);
Part circle(Vec c, double r);
Part polygon(std::vector<Vec> pts);
Part curve(std::vector<Vec> pts);  // a closed smooth curve through the points
// A strip along a line, from half-width w0 to w1, with a rounded tip.
Part strip(const std::vector<Vec>& line, double w0, double w1);
// Adds an open smooth curve through the points to the current path.
void open_curve(cairo_t* cr, const std::vector<Vec>& pts);

// ---------------------------------------------------------------- painting

struct Shade {
    double shadow = 6;  // width of the shadow crescent
    double light = 3;   // width of the highlight on the lit side
    double rim = 2.2;   // width of the coloured back light
    double line = 2.4;  // outline width (0: none)
};

class Pen {
public:
    Pen(cairo_t* cr, Rgb ink, Rgb rim) : cr_(cr), ink_(ink), rim_(rim) {}

    cairo_t* cr() const { return cr_; }
    Rgb ink() const { return ink_; }
    Rgb rim() const { return rim_; }
    Vec to_light() const { return light_; }

    // A lit, outlined shape.
    void solid(const Shape& s, Rgb fill, const Shade& shade);
    // One flat colour and an outline (none when `line` is 0).
    void flat(const Shape& s, Rgb fill, double line = 1.4, double alpha = 1.0);
    // Just the outline, `line` wide outside the shape.
    void outline(const Shape& s, double line);
    // The part of `s` left uncovered by `s` moved by `shift`, in one colour.
    void crescent(const Shape& s, Vec shift, Rgb colour, double alpha = 1.0);
    // Draws `inside` cut to the union of `s`.
    void within(const Shape& s, const std::function<void()>& inside);
    // A smooth line through the points, of one width or tapering from w0 to w1.
    void line(const std::vector<Vec>& pts, double width, Rgb colour, double alpha = 1.0);
    void tapered_line(const std::vector<Vec>& pts, double w0, double w1, Rgb colour, double alpha = 1.0);

    void fill_parts(const Shape& s);  // fills each part with the current source

private:
    void clip_to(const Shape& s);

    cairo_t* cr_;
    Rgb ink_, rim_;
    Vec light_ = unit({0.55, -0.83});
};
