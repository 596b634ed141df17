// Precision of the adjustment: the unit-weight angle error mb (arc seconds),
// P's position error md at the end of the longest side to P (millimetres) and
// its relative error 1/m. mb, md and m are stored single precision.
#pragma once

#include "engine/adjustment_results.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// mb = sqrt(([vv] of both groups) / 7).
StageOutcome unitWeightError(AdjustmentResults& results, const RunValues& run);

/// md = ((S mb) sqrt(5.3/ps + 23.5/pb)) / 1000, S the longest side to P.
StageOutcome positionError(AdjustmentResults& results, const RunValues& run);

/// m = trunc(1000 S / md); no number when md is zero (1/∞), and the run goes on.
StageOutcome relativeError(AdjustmentResults& results, const RunValues& run);

}  // namespace velmora
