// The nine angles of the figure as functions of P's position, for the rigorous
// check: A, B, C fixed, in the order distance, advance, central angle of
// triangles ABP, BCP, CAP. x north, y east (metres); angles in decimal degrees,
// their gradients in arc seconds per metre; full-precision pi throughout.
#pragma once

#include <array>

#include "engine/run_values.h"

namespace velmora {

/// The known points A, B, C in that order.
using KnownPoints = std::array<PlanePoint, 3>;

struct FigureAngles {
  AngleArray<double> degrees{};                  ///< angle 1..9, each in [0, 360)
  AngleArray<std::array<double, 2>> gradient{};  ///< d angle / d (x, y) of P, arc seconds per metre
};

/// Azimuth from `from` to `to`, clockwise from north, in [0, 360).
double azimuthDegrees(PlanePoint from, PlanePoint to);

/// The nine angles seen with P at `p`: in triangle (K1, K2, P) the distance
/// angle at K1 turns clockwise from K1->K2 to K1->P, the advance angle at K2 from
/// K2->P to K2->K1, the central angle at P from P->K1 to P->K2.
FigureAngles figureAngles(const KnownPoints& known, PlanePoint p);

/// computed - observed, reduced to (-180, 180] degrees and expressed in arc seconds.
double angleDifferenceSeconds(double computedDegrees, double observedDegrees);

}  // namespace velmora
