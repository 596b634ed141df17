// How much a drawing of the figure magnifies P's error ellipse, whose axes are
// millimetres beside sides of hundreds of metres: a round factor (1, 2 or 5
// times a power of ten, round_numbers.h) that brings the major axis nearest a
// fifth of the figure's extent, the larger of its north and east spans over A,
// B, C and P. The plot and the DXF drawing magnify it by the same factor and
// write it beside it in the same words.
#pragma once

#include <span>
#include <string>

#include "engine/run_values.h"

namespace velmora {

/// The factor for an ellipse of semi-major axis `semiMajorMillimetres` in a
/// figure `extentMetres` across; 1 for an ellipse without size.
double ellipseMagnification(double semiMajorMillimetres, double extentMetres);

/// The larger of the north and east spans of `points` (x north, y east, metres), at least a metre.
double figureExtentMetres(std::span<const PlanePoint> points);

/// "误差椭圆 ×50000": the factor as written beside the ellipse.
std::string ellipseFactorText(double factor);

}  // namespace velmora
