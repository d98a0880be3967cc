#pragma once
// Plane geometry shared by the frame renderer and the portrait painter:
// vectors, the lines that hair and cloth follow, and the smooth closed
// curves drawn through points.

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
