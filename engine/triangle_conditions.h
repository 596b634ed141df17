// The two groups of conditions. First group: each triangle's angle-sum
// misclosure spread equally over its three angles, as soon as it is entered.
// Second group: fixed angles at A and B, full circle of central angles and the
// log-sine side condition, as rows of the condition matrix, with the two
// weight-function rows of the longest side. Misclosures in arc seconds, the
// side condition's in sixth-decimal log units.
#pragma once

#include "engine/adjustment_state.h"
#include "engine/result_display.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Converts triangle i's three typed angles from d.mmss to decimal degrees.
StageOutcome convertTriangleAngles(AdjustmentState& state, int i);

/// Misclosure of triangle i (shown in Label17 and Text11), its first-group
/// correction, and its share of the log-sine and central-angle sums.
StageOutcome triangleStep(AdjustmentState& state, RunValues& run, ResultDisplay& display, int i);

/// The four second-group misclosures (Text12, Text13, Text21, Text25) and rows 1..4.
StageOutcome secondGroupStep(AdjustmentState& state, RunValues& run, ResultDisplay& display);

/// Rows 5 and 6: the azimuth and log-side functions of the chosen triangle.
void weightFunctionStep(RunValues& run);

}  // namespace velmora
