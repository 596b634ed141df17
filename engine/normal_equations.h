// The second-group conditions solved by correlates with equal weights: the
// normal matrix bordered by the two weight functions, the reduction solver
// cm1 for the weight reciprocals 1/pb and 1/ps, the correlates k and the nine
// corrections v (arc seconds) with their sum of squares.
#pragma once

#include <array>

#include "engine/adjustment_results.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// The normal-matrix columns of the two weight functions.
inline constexpr int kAzimuthFunctionColumn = 5;
inline constexpr int kSideFunctionColumn = 6;

/// normals(i, j) = sum over the nine columns of row i times row j, i, j in 1..6;
/// the working copy receives the same.
void formNormals(RunValues& run);

/// cm1: the method's reduction solver for a weight function's quadratic term.
/// Gauss reduction of rows 1..4, columns 1..5 of `work` in place (upper
/// triangle, row by row), back substitution for x in N x = -F (F: column 5),
/// and the sum of x(i) * reference(i, column). A zero pivot cannot compute.
StageOutcome cm1(NormalMatrix& work, const NormalMatrix& reference, int column, double& result);

/// The weight reciprocal of the function in `column` (5: azimuth 1/pb, 6: log side 1/ps).
StageOutcome weightReciprocal(RunValues& run, int column, double& reciprocal);

/// After 1/pb has reduced the working copy: every element cm1 reads restored,
/// with the log-side function in the constant column, ready for 1/ps.
void refreshWorkingCopy(RunValues& run);

/// The misclosures enter column 5 of the normals, which are reduced and solved for k.
StageOutcome correlateStep(AdjustmentResults& results, RunValues& run);

/// Adds the second-group corrections v(3t-2), v(3t-1), v(3t) to triangle t's angles.
void correctTriangleAngles(AdjustmentResults& results, const AngleArray<double>& v, int t);

/// v = A^T k triangle by triangle, each triangle's angles adjusted at once,
/// and the squares summed into secondGroupVv.
StageOutcome correctionStep(AdjustmentResults& results, RunValues& run);

}  // namespace velmora
