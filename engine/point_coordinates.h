// The adjusted angles and the point P computed three times: from A with the
// side A-P and azimuth A->P, from B, and from C. x north, y east (metres);
// azimuths clockwise from north in degrees; corrections in arc seconds.
#pragma once

#include <array>

#include "engine/adjustment_state.h"
#include "engine/result_display.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Adds the second-group corrections v(3t-2), v(3t-1), v(3t) to triangle t's angles.
void correctTriangleAngles(AdjustmentState& state, const std::array<double, 10>& v, int t);

/// Sides and azimuths to P from the adjusted angles, then Text18 again and the
/// six coordinates, each shown as soon as it is computed.
StageOutcome coordinateStep(AdjustmentState& state, const RunValues& run, ResultDisplay& display);

}  // namespace velmora
