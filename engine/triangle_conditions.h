// The two groups of conditions. First group: each triangle's angle-sum
// misclosure spread equally over its three angles, as soon as it is entered.
// Second group: fixed angles at A and B, full circle of central angles and the
// log-sine side condition, as rows of the condition matrix, with the two
// weight-function rows of the longest side. Misclosures in arc seconds, the
// side condition's in sixth-decimal log units.
#pragma once

#include "engine/adjustment_results.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Converts triangle i's three typed angles from d.mmss to decimal degrees,
/// refusing one that no surveyor can have observed (prompt order A, B, C).
StageOutcome convertTriangleAngles(const FigureTexts& typed, AdjustmentResults& results, int i);

/// Misclosure of triangle i: wd in run.triangleMisclosure, stored single in w(i), and its share of [vv].
StageOutcome triangleMisclosure(AdjustmentResults& results, RunValues& run, int i);

/// Stops when the stored w(i) exceeds the gross limit.
StageOutcome requireNoGrossTriangleMisclosure(const AdjustmentResults& results, int i);

/// The first-group correction of triangle i, its log-sine coefficients and
/// its share of the log-sine and central-angle sums.
StageOutcome firstGroupCorrection(AdjustmentResults& results, RunValues& run, int i);

/// The four second-group misclosures, stored single.
StageOutcome secondGroupMisclosures(AdjustmentResults& results, const RunValues& run);

/// Stops when w1, w2 or w3 exceeds the gross limit, naming the first.
StageOutcome requireNoGrossSecondGroupMisclosure(const AdjustmentResults& results);

/// Rows 1..4 of the condition matrix.
void secondGroupConditionRows(RunValues& run);

/// Rows 5 and 6: the azimuth and log-side functions of the chosen triangle.
void weightFunctionStep(RunValues& run);

}  // namespace velmora
