// The scratch values of one Compute run, created zero at its start and dropped
// at its end: the condition matrix, the normal matrices, the corrections, the
// known-side geometry and the provisional distances. Index 0 is never used.
#pragma once

#include <array>

#include "engine/adjustment_results.h"

namespace velmora {

/// Rows 1..4: transformed second-group conditions; rows 5, 6: the azimuth and
/// log-side weight functions. Columns 1..9: the nine angle corrections in the
/// order distance, advance, central angle of triangle 1, then 2, then 3.
using ConditionMatrix = std::array<std::array<double, 10>, 7>;

/// Bordered normal matrix, rows and columns 1..6.
using NormalMatrix = std::array<std::array<double, 7>, 7>;

struct KnownSideGeometry {
  PlanePoint a, b, c;                                        ///< the typed coordinates' numeric values
  double sideAB = 0.0, sideBC = 0.0, sideCA = 0.0;           ///< metres
  double azimuthAB = 0.0, azimuthBC = 0.0, azimuthCA = 0.0;  ///< degrees, 0 <= a < 360
  double knownAngleA = 0.0;                                  ///< clockwise from A->B to A->C, degrees
  double knownAngleB = 0.0;                                  ///< clockwise from B->C to B->A, degrees
};

struct ProvisionalDistances {
  double distancePA = 0.0, distancePB = 0.0, distancePC = 0.0;  ///< metres
  int chosenTriangle = 0;    ///< 1, 2 or 3: the triangle whose side to P is the longest
  double longestSide = 0.0;  ///< metres
};

struct RunValues {
  TriangleArray<double> triangleMisclosure{};  ///< wd of triangle i before single storage, arc seconds
  double firstGroupVv = 0.0;                   ///< sum of wd^2 / 3, seconds squared
  double logSineSum = 0.0;                     ///< side condition's running log-sine difference
  double centralAngleSum = 0.0;                ///< degrees
  double secondGroupVv = 0.0;                  ///< sum of v^2, seconds squared
  TriangleArray<double> distanceDelta{}, advanceDelta{}, centralDelta{};
  ConditionMatrix conditionMatrix{};
  KnownSideGeometry geometry;
  ProvisionalDistances provisional;
  NormalMatrix normals{};
  NormalMatrix normalsWork{};
  std::array<double, 10> v{};  ///< second-group corrections, arc seconds
};

}  // namespace velmora
