// The point P computed three times from the adjusted angles: from A with the
// side A-P and azimuth A->P, from B, and from C. x north, y east (metres);
// azimuths clockwise from north in degrees.
#pragma once

#include <cstddef>

#include "engine/adjustment_results.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// The adjusted sides from the known points to P and their azimuths.
struct SidesToP {
  double sidePA = 0.0, sidePB = 0.0, sidePC = 0.0;           ///< metres
  double azimuthAP = 0.0, azimuthBP = 0.0, azimuthCP = 0.0;  ///< degrees
};

/// Sides by the sine rule from the adjusted angles, azimuths from the known sides.
StageOutcome sidesToP(const AdjustmentResults& results, const KnownSideGeometry& geometry, SidesToP& sides);

/// xp1, yp1, xp2, yp2, xp3, yp3, in this order.
inline constexpr std::size_t kCoordinatesOfP = 6;

/// The n-th coordinate of P (0: xp1 .. 5: yp3): the known point's coordinate
/// plus the side's projection, stored in its member.
StageOutcome coordinateOfP(std::size_t n, const KnownSideGeometry& geometry, const SidesToP& sides,
                           AdjustmentResults& results);

}  // namespace velmora
