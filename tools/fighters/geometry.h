#pragma once
// Plane geometry shared by the frame renderer and the portrait painter:
// vectors, the lines that hair and cloth follow, the smooth closed curves
// drawn through points and the closed pieces shapes are made of.

#include <cairo.h>

#include <vector>

#include "rig.h"

double length(Vec v);
Vec unit(Vec v);
Vec perp(Vec v);                    // a quarter turn clockwise on the picture
Vec rotate(Vec v, double radians);  // clockwise on the picture (y is downward)
Vec lerp(Vec a, Vec b, double f);

// A line that bends `curl` degrees a link and sways, from `start` in the
// absolute direction `angle` (0 down, 90 forward, 180 up).
std::vector<Vec> flowing(Vec start, double angle, double link, int links, double curl, double sway, double phase);
// The outline of a strip along a line, from half-width w0 to w1, with a
// rounded tip beyond the line's end.
std::vector<Vec> strip_outline(const std::vector<Vec>& line, double w0, double w1);
// Adds a closed Catmull-Rom spline through the points, as cubic Béziers,
// to cairo's current path (nothing for fewer than three points).
void closed_curve(cairo_t* cr, const std::vector<Vec>& pts);
// Closed pieces added to cairo's current path as sub-paths: a limb (two
// circles and their tangents, one circle when one holds the other), an
// ellipse turned by `angle` radians, a polygon (nothing for no points).
void taper_path(cairo_t* cr, Vec a, double ra, Vec b, double rb);
void ellipse_path(cairo_t* cr, Vec c, double rx, double ry, double angle);
void polygon_path(cairo_t* cr, const std::vector<Vec>& pts);
