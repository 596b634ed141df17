// Lengths and azimuths of the known sides A->B, B->C, C->A, the known angles
// at A and B, and the provisional distances from A, B and C to P by the sine
// rule. x north, y east (metres); azimuths clockwise from north, degrees.
#pragma once

#include "engine/adjustment_results.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

struct DirectedSide {
  double length = 0.0;
  double azimuth = 0.0;  ///< 0 <= azimuth < 360
};

/// The side from point 1 to point 2. A side due north, south, east or west
/// takes its exact azimuth; so does one whose sine of azimuth rounds to +-1.
/// Coincident points give length 0 and azimuth 270. Non-finite only on overflow.
DirectedSide directedSide(double x1, double y1, double x2, double y2);

/// Sides, azimuths and the known angles from the typed coordinates; stops on
/// coincident, collinear or counter-clockwise known points.
StageOutcome knownSideStep(const FigureTexts& typed, KnownSideGeometry& geometry);

/// PA, PB, PC from the first-group corrected angles, and the longest of them:
/// the first in the order PA, PB, PC when two or three are equally long.
StageOutcome provisionalDistanceStep(const AdjustmentResults& results, const KnownSideGeometry& geometry,
                                     ProvisionalDistances& provisional);

}  // namespace velmora
