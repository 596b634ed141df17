#include "engine/triangle_conditions.h"

#include <cmath>
#include <string>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"
#include "engine/entry_rules.h"
#include "engine/figure_plausibility.h"
#include "engine/triangle_names.h"
#include "input/utf8_text.h"

namespace velmora {
namespace {

constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kMinusOneThird = -1.0 / 3.0;
constexpr std::string_view kSecondGroupStep = "第二组条件闭合差";

/// The typed angle in decimal degrees, or why no surveyor can have observed it.
StageOutcome convertAngle(std::string_view typed, std::string_view name, FigureEntry entry, std::string_view step,
                          double& degrees) {
  const ObservedAngleEntry angle = readObservedAngleEntry(typed);
  if (!angle.broken) {
    degrees = angle.degrees;
    return done();
  }
  const bool notANumber = *angle.broken == EntryRule::NotANumber || *angle.broken == EntryRule::OutOfRange;
  return cannotCompute(std::string(step),
                       std::string(name) + " 的输入值 " + quotedBeginning(typed) + " " +
                           (notANumber ? "" : "不是可能的观测值：") + std::string(entryRuleText(*angle.broken)),
                       entry, std::string(typed));
}

StageOutcome logSineCoefficient(double angle, std::string_view name, FigureEntry entry, std::string_view step,
                                double& delta) {
  const double tangent = std::tan(angle * kDegreeFactor);
  if (StageOutcome outcome = requireNonZeroDivisor(tangent, {name, " 的正切", entry}, step)) return outcome;
  delta = kLogSineFactor / tangent;
  return requireFinite(delta, {name, " 的对数正弦系数", entry}, step);
}

StageOutcome logSine(double angle, std::string_view name, FigureEntry entry, std::string_view step, double& value) {
  const double sine = std::sin(angle * kDegreeFactor);
  if (StageOutcome outcome = requirePositiveForLogarithm(sine, {name, " 的正弦", entry}, step)) return outcome;
  value = std::log(sine) / kLn10 + 10.0;
  return done();
}

}  // namespace

StageOutcome convertTriangleAngles(const FigureTexts& typed, AdjustmentResults& results, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const std::string_view step = kConversionSteps[ti];
  if (StageOutcome outcome = convertAngle(typed.distanceAngle[ti], kDistanceAngleNames[ti], distanceAngleEntry(i), step,
                                          results.distanceAngle[ti])) {
    return outcome;
  }
  if (StageOutcome outcome = convertAngle(typed.advanceAngle[ti], kAdvanceAngleNames[ti], advanceAngleEntry(i), step,
                                          results.advanceAngle[ti])) {
    return outcome;
  }
  return convertAngle(typed.centralAngle[ti], kCentralAngleNames[ti], centralAngleEntry(i), step,
                      results.centralAngle[ti]);
}

StageOutcome triangleMisclosure(AdjustmentResults& results, RunValues& run, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const std::string_view step = kTriangleSteps[ti];
  const double wd =
      ((results.distanceAngle[ti] + results.advanceAngle[ti]) + results.centralAngle[ti] - 180.0) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(wd, results.w[ti], kMisclosureNames[ti], step)) return outcome;
  run.triangleMisclosure[ti] = wd;
  run.firstGroupVv = run.firstGroupVv + wd * wd / 3.0;
  return requireFinite(run.firstGroupVv, "闭合差平方和", step);
}

StageOutcome requireNoGrossTriangleMisclosure(const AdjustmentResults& results, int i) {
  const auto ti = static_cast<std::size_t>(i);
  return requireNoGrossMisclosure(results.w[ti], kMisclosureNames[ti], kTriangleAngleChecks[ti], kTriangleSteps[ti]);
}

StageOutcome firstGroupCorrection(AdjustmentResults& results, RunValues& run, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const std::string_view step = kTriangleSteps[ti];
  double& distance = results.distanceAngle[ti];
  double& advance = results.advanceAngle[ti];
  double& central = results.centralAngle[ti];
  const double wd = run.triangleMisclosure[ti];
  distance = distance - wd / kThirdsOfSecondsPerDegree;
  advance = advance - wd / kThirdsOfSecondsPerDegree;
  central = central - wd / kThirdsOfSecondsPerDegree;

  const std::string_view distanceName = kDistanceAngleNames[ti];
  const std::string_view advanceName = kAdvanceAngleNames[ti];
  const std::string_view centralName = kCentralAngleNames[ti];
  const FigureEntry distanceEntry = distanceAngleEntry(i);
  const FigureEntry advanceEntry = advanceAngleEntry(i);
  if (StageOutcome o = logSineCoefficient(distance, distanceName, distanceEntry, step, run.distanceDelta[ti])) return o;
  if (StageOutcome o = logSineCoefficient(advance, advanceName, advanceEntry, step, run.advanceDelta[ti])) return o;
  if (StageOutcome o = logSineCoefficient(central, centralName, centralAngleEntry(i), step, run.centralDelta[ti])) {
    return o;
  }
  double distanceLogSine = 0.0;
  double advanceLogSine = 0.0;
  if (StageOutcome o = logSine(distance, distanceName, distanceEntry, step, distanceLogSine)) return o;
  if (StageOutcome o = logSine(advance, advanceName, advanceEntry, step, advanceLogSine)) return o;
  run.logSineSum = (run.logSineSum + distanceLogSine) - advanceLogSine;
  run.centralAngleSum = run.centralAngleSum + central;
  return done();
}

StageOutcome secondGroupMisclosures(AdjustmentResults& results, const RunValues& run) {
  const KnownSideGeometry& g = run.geometry;
  ConditionArray<float>& w = results.secondGroupW;
  const double fixedAngleA = ((results.distanceAngle[1] + results.advanceAngle[3]) - g.knownAngleA) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(fixedAngleA, w[1], "固定角闭合差 w1", kSecondGroupStep)) return o;
  const double fixedAngleB = ((results.distanceAngle[2] + results.advanceAngle[1]) - g.knownAngleB) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(fixedAngleB, w[2], "固定角闭合差 w2", kSecondGroupStep)) return o;
  const double circle = (run.centralAngleSum - 360.0) * kSecondsPerDegree;
  if (StageOutcome o = storeSingle(circle, w[3], "圆周角闭合差 w3", kSecondGroupStep)) return o;
  const double side = run.logSineSum * kSixthDecimalUnits;
  return storeSingle(side, w[4], "极条件闭合差 w4", kSecondGroupStep);
}

StageOutcome requireNoGrossSecondGroupMisclosure(const AdjustmentResults& results) {
  const ConditionArray<float>& w = results.secondGroupW;
  constexpr std::string_view kCoordinates = " A、B、C 点的座标";
  if (StageOutcome o = requireNoGrossMisclosure(w[1], "固定角闭合差 w1", kCoordinates, kSecondGroupStep)) return o;
  if (StageOutcome o = requireNoGrossMisclosure(w[2], "固定角闭合差 w2", kCoordinates, kSecondGroupStep)) return o;
  return requireNoGrossMisclosure(w[3], "圆周角闭合差 w3", "三个中心角的观测值", kSecondGroupStep);
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
