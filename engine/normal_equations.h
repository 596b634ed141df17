// The second-group conditions solved by correlates with equal weights: the
// normal matrix bordered by the two weight functions, the reduction solver
// cm1 for the weight reciprocals 1/pb and 1/ps, the correlates k and the nine
// corrections v (arc seconds) with their sum of squares.
#pragma once

#include <cstdint>

#include "engine/adjustment_state.h"
#include "engine/result_display.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// normals(i, j) = sum over the nine columns of row i times row j, i, j in 1..6;
/// the working copy receives the same.
void formNormals(RunValues& run);

/// Gauss reduction of rows 1..4, columns 1..5 of `work` in place (upper
/// triangle, row by row), back substitution for x in N x = -F (F: column 5),
/// and the sum of x(i) * reference(i, column). A zero pivot cannot compute.
StageOutcome cm1(NormalMatrix& work, const NormalMatrix& reference, const std::int16_t& column, double& result);

/// 1/pb (Text15), then, after refreshing the working copy, 1/ps (Text16).
StageOutcome weightReciprocalStep(AdjustmentState& state, RunValues& run, ResultDisplay& display);

/// The misclosures enter column 5 of the normals, which are reduced and solved for k.
StageOutcome correlateStep(AdjustmentState& state, RunValues& run);

/// v = A^T k triangle by triangle, each triangle's angles adjusted at once,
/// and the squares summed into secondGroupVv.
StageOutcome correctionStep(AdjustmentState& state, RunValues& run);

}  // namespace velmora
