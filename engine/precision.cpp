#include "engine/precision.h"

#include <cmath>

#include "engine/arithmetic_checks.h"

namespace velmora {
namespace {

constexpr StepAt kStep{ComputeStep::Precision};
constexpr double kConditionCount = 7.0;  // three triangle conditions and four second-group conditions
constexpr double kMillimetresPerMetre = 1000.0;

}  // namespace

StageOutcome unitWeightError(AdjustmentResults& results, const RunValues& run) {
  const double vv = (run.secondGroupVv + run.firstGroupVv) / kConditionCount;
  if (StageOutcome outcome = requireNonNegativeForRoot(vv, {FaultQuantity::VvPerCondition}, kStep)) return outcome;
  return storeSingle(std::sqrt(vv), results.mb, {FaultQuantity::UnitWeightError}, kStep);
}

StageOutcome positionError(AdjustmentResults& results, const RunValues& run) {
  const double s = run.provisional.longestSide;
  const double a = 5.3 * results.invPs;
  const double b = 23.5 * results.invPb;
  if (StageOutcome outcome = requireNonNegativeForRoot(a + b, {FaultQuantity::PositionWeightSum}, kStep))
    return outcome;
  const double q = std::sqrt(a + b);
  return storeSingle(((s * results.mb) * q) / kMillimetresPerMetre, results.md, {FaultQuantity::PositionError}, kStep);
}

StageOutcome relativeError(AdjustmentResults& results, const RunValues& run) {
  if (results.md == 0.0F) {
    results.m.reset();
    return done();
  }
  const double s = run.provisional.longestSide;
  float m = 0.0F;
  if (StageOutcome outcome = storeSingle(std::trunc((kMillimetresPerMetre * s) / results.md), m,
                                         {FaultQuantity::RelativeErrorDenominator}, kStep)) {
    return outcome;
  }
  results.m = m;
  return done();
}

}  // namespace velmora
