#include "engine/triangle_conditions.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"
#include "engine/entry_rules.h"
#include "engine/figure_plausibility.h"

namespace velmora {
namespace {

constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kMinusOneThird = -1.0 / 3.0;
constexpr StepAt kSecondGroupStep{ComputeStep::SecondGroupMisclosures};

std::uint8_t triangleIndex(int i) { return static_cast<std::uint8_t>(i); }

/// The typed angle in decimal degrees, or why no surveyor can have observed it.
StageOutcome convertAngle(std::string_view typed, const FaultSubject& angle, StepAt at, double& degrees) {
  const ObservedAngleEntry entry = readObservedAngleEntry(typed);
  if (!entry.broken) {
    degrees = entry.degrees;
    return done();
  }
  StageOutcome fault = cannotCompute(at, FaultKind::BrokenEntry, angle, std::string(typed));
  fault->rule = *entry.broken;
  return fault;
}

FaultSubject functionOf(FaultSubject angle, QuantityFunction function) {
  angle.function = function;
  return angle;
}

StageOutcome logSineCoefficient(double angle, const FaultSubject& name, StepAt at, double& delta) {
  const double tangent = std::tan(angle * kDegreeFactor);
  if (StageOutcome outcome = requireNonZeroDivisor(tangent, functionOf(name, QuantityFunction::Tangent), at)) {
    return outcome;
  }
  delta = kLogSineFactor / tangent;
  return requireFinite(delta, functionOf(name, QuantityFunction::LogSineCoefficient), at);
}

StageOutcome logSine(double angle, const FaultSubject& name, StepAt at, double& value) {
  const double sine = std::sin(angle * kDegreeFactor);
  if (StageOutcome outcome = requirePositiveForLogarithm(sine, functionOf(name, QuantityFunction::Sine), at)) {
    return outcome;
  }
  value = std::log(sine) / kLn10 + 10.0;
  return done();
}

FaultSubject distanceAngleOf(int i) {
  return {FaultQuantity::DistanceAngle, triangleIndex(i), QuantityFunction::Itself, distanceAngleEntry(i)};
}
FaultSubject advanceAngleOf(int i) {
  return {FaultQuantity::AdvanceAngle, triangleIndex(i), QuantityFunction::Itself, advanceAngleEntry(i)};
}
FaultSubject centralAngleOf(int i) {
  return {FaultQuantity::CentralAngle, triangleIndex(i), QuantityFunction::Itself, centralAngleEntry(i)};
}
StepAt triangleClosureOf(int i) { return {ComputeStep::TriangleClosure, triangleIndex(i)}; }
FaultSubject misclosureOf(int i) { return {FaultQuantity::TriangleMisclosure, triangleIndex(i)}; }
FaultSubject secondGroupMisclosure(int j) {
  return {FaultQuantity::SecondGroupMisclosure, static_cast<std::uint8_t>(j)};
}

}  // namespace

StageOutcome convertTriangleAngles(const FigureTexts& typed, AdjustmentResults& results, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const StepAt at{ComputeStep::AngleConversion, triangleIndex(i)};
  if (StageOutcome outcome = convertAngle(typed.distanceAngle[ti], distanceAngleOf(i), at, results.distanceAngle[ti])) {
    return outcome;
  }
  if (StageOutcome outcome = convertAngle(typed.advanceAngle[ti], advanceAngleOf(i), at, results.advanceAngle[ti])) {
    return outcome;
  }
  if (StageOutcome outcome = convertAngle(typed.centralAngle[ti], centralAngleOf(i), at, results.centralAngle[ti])) {
    return outcome;
  }
  results.observedDistanceAngle[ti] = results.distanceAngle[ti];
  results.observedAdvanceAngle[ti] = results.advanceAngle[ti];
  results.observedCentralAngle[ti] = results.centralAngle[ti];
  return done();
}

StageOutcome triangleMisclosure(AdjustmentResults& results, RunValues& run, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const StepAt at = triangleClosureOf(i);
  const double wd =
      ((results.distanceAngle[ti] + results.advanceAngle[ti]) + results.centralAngle[ti] - 180.0) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(wd, results.w[ti], misclosureOf(i), at)) return outcome;
  run.triangleMisclosure[ti] = wd;
  run.firstGroupVv = run.firstGroupVv + wd * wd / 3.0;
  return requireFinite(run.firstGroupVv, {FaultQuantity::FirstGroupVv}, at);
}

StageOutcome requireNoGrossTriangleMisclosure(const AdjustmentResults& results, int i) {
  return requireNoGrossMisclosure(results.w[static_cast<std::size_t>(i)], misclosureOf(i), triangleClosureOf(i));
}

StageOutcome firstGroupCorrection(AdjustmentResults& results, RunValues& run, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const StepAt at = triangleClosureOf(i);
  double& distance = results.distanceAngle[ti];
  double& advance = results.advanceAngle[ti];
  double& central = results.centralAngle[ti];
  const double wd = run.triangleMisclosure[ti];
  distance = distance - wd / kThirdsOfSecondsPerDegree;
  advance = advance - wd / kThirdsOfSecondsPerDegree;
  central = central - wd / kThirdsOfSecondsPerDegree;

  const FaultSubject distanceName = distanceAngleOf(i);
  const FaultSubject advanceName = advanceAngleOf(i);
  if (StageOutcome o = logSineCoefficient(distance, distanceName, at, run.distanceDelta[ti])) return o;
  if (StageOutcome o = logSineCoefficient(advance, advanceName, at, run.advanceDelta[ti])) return o;
  if (StageOutcome o = logSineCoefficient(central, centralAngleOf(i), at, run.centralDelta[ti])) return o;
  double distanceLogSine = 0.0;
  double advanceLogSine = 0.0;
  if (StageOutcome o = logSine(distance, distanceName, at, distanceLogSine)) return o;
  if (StageOutcome o = logSine(advance, advanceName, at, advanceLogSine)) return o;
  run.logSineSum = (run.logSineSum + distanceLogSine) - advanceLogSine;
  run.centralAngleSum = run.centralAngleSum + central;
  return done();
}

StageOutcome secondGroupMisclosures(AdjustmentResults& results, const RunValues& run) {
  const KnownSideGeometry& g = run.geometry;
  ConditionArray<float>& w = results.secondGroupW;
  const double fixedAngleA = ((results.distanceAngle[1] + results.advanceAngle[3]) - g.knownAngleA) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(fixedAngleA, w[1], secondGroupMisclosure(1), kSecondGroupStep)) return o;
  const double fixedAngleB = ((results.distanceAngle[2] + results.advanceAngle[1]) - g.knownAngleB) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(fixedAngleB, w[2], secondGroupMisclosure(2), kSecondGroupStep)) return o;
  const double circle = (run.centralAngleSum - 360.0) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(circle, w[3], secondGroupMisclosure(3), kSecondGroupStep)) return o;
  const double side = run.logSineSum * kSixthDecimalUnits;
  return storeSingle(side, w[4], secondGroupMisclosure(4), kSecondGroupStep);
}

StageOutcome requireNoGrossSecondGroupMisclosure(const AdjustmentResults& results) {
  const ConditionArray<float>& w = results.secondGroupW;
  for (int j = 1; j <= 3; ++j) {  // w4 is in log units: the side condition has no such limit
    const float wj = w[static_cast<std::size_t>(j)];
    if (StageOutcome o = requireNoGrossMisclosure(wj, secondGroupMisclosure(j), kSecondGroupStep)) return o;
  }
  return done();
}

void secondGroupConditionRows(RunValues& run) {
  ConditionMatrix& a = run.conditionMatrix;
  for (int t = 1; t <= kTriangles; ++t) {
    const auto c = static_cast<std::size_t>(3 * (t - 1));
    const auto ti = static_cast<std::size_t>(t);
    // Row 3: every central angle.
    a[3][c + 1] = kMinusOneThird;
    a[3][c + 2] = kMinusOneThird;
    a[3][c + 3] = kTwoThirds;
    // Row 4: the side condition, reduced within each triangle.
    const double dA = run.distanceDelta[ti];
    const double dB = run.advanceDelta[ti];
    const double u = (dA - dB) / 3.0;
    a[4][c + 1] = dA - u;
    a[4][c + 2] = -dB - u;
    a[4][c + 3] = -u;
  }
  // Row 1: distance angle of triangle 1 and advance angle of triangle 3 (at A).
  a[1][1] = kTwoThirds, a[1][2] = kMinusOneThird, a[1][3] = kMinusOneThird;
  a[1][7] = kMinusOneThird, a[1][8] = kTwoThirds, a[1][9] = kMinusOneThird;
  // Row 2: advance angle of triangle 1 and distance angle of triangle 2 (at B).
  a[2][1] = kMinusOneThird, a[2][2] = kTwoThirds, a[2][3] = kMinusOneThird;
  a[2][4] = kTwoThirds, a[2][5] = kMinusOneThird, a[2][6] = kMinusOneThird;
}

void weightFunctionStep(RunValues& run) {
  const int t = run.provisional.chosenTriangle;
  const auto ti = static_cast<std::size_t>(t);
  const auto c = static_cast<std::size_t>(3 * (t - 1));
  ConditionMatrix& a = run.conditionMatrix;
  a[5][c + 1] = kTwoThirds;
  a[5][c + 2] = kMinusOneThird;
  a[5][c + 3] = kMinusOneThird;
  const double q = (run.advanceDelta[ti] - run.centralDelta[ti]) / 3.0;
  a[6][c + 1] = -q;
  a[6][c + 2] = run.advanceDelta[ti] - q;
  a[6][c + 3] = -run.centralDelta[ti] - q;
}

}  // namespace velmora
