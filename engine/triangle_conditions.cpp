#include "engine/triangle_conditions.h"

#include <cmath>
#include <string>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"
#include "engine/entry_rules.h"
#include "engine/figure_plausibility.h"
#include "engine/number_text.h"
#include "engine/triangle_names.h"

namespace velmora {
namespace {

constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kMinusOneThird = -1.0 / 3.0;

/// The typed angle in decimal degrees, or why no surveyor can have observed it.
StageOutcome convertAngle(const std::string& typed, std::string_view name, std::string_view step, double& degrees) {
  const ObservedAngleEntry entry = readObservedAngleEntry(typed);
  if (!entry.broken) {
    degrees = entry.degrees;
    return done();
  }
  const bool notANumber = *entry.broken == EntryRule::NotANumber || *entry.broken == EntryRule::OutOfRange;
  return cannotCompute(std::string(step), std::string(name) + " 的输入值 “" + typed + "” " +
                                              (notANumber ? "" : "不是可能的观测值：") +
                                              std::string(entryRuleText(*entry.broken)));
}

StageOutcome logSineCoefficient(double angle, std::string_view name, std::string_view step, double& delta) {
  const double tangent = std::tan(angle * kDegreeFactor);
  if (StageOutcome outcome = requireNonZeroDivisor(tangent, {name, " 的正切"}, step)) return outcome;
  delta = kLogSineFactor / tangent;
  return requireFinite(delta, {name, " 的对数正弦系数"}, step);
}

StageOutcome logSine(double angle, std::string_view name, std::string_view step, double& value) {
  const double sine = std::sin(angle * kDegreeFactor);
  if (StageOutcome outcome = requirePositiveForLogarithm(sine, {name, " 的正弦"}, step)) return outcome;
  value = std::log(sine) / kLn10 + 10.0;
  return done();
}

/// The misclosure text of a triangle: wd rounded to two decimals, plain.
std::string triangleMisclosureText(double wd) { return "  " + plainRoundedText(wd, 2) + " 秒"; }

/// A second-group misclosure as shown: the stored single rounded to two
/// decimals, written at single precision.
std::string singleMisclosureText(float stored) { return plainSingleText(static_cast<float>(roundHalfEven(stored, 2))); }

void writeConditionRows(RunValues& run) {
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

}  // namespace

StageOutcome convertTriangleAngles(AdjustmentState& state, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const std::string_view step = kConversionSteps[ti];
  if (StageOutcome outcome =
          convertAngle(state.distanceAngleDms[ti], kDistanceAngleNames[ti], step, state.distanceAngle[ti])) {
    return outcome;
  }
  if (StageOutcome outcome =
          convertAngle(state.advanceAngleDms[ti], kAdvanceAngleNames[ti], step, state.advanceAngle[ti])) {
    return outcome;
  }
  return convertAngle(state.centralAngleDms[ti], kCentralAngleNames[ti], step, state.centralAngle[ti]);
}

StageOutcome triangleStep(AdjustmentState& state, RunValues& run, ResultDisplay& display, int i) {
  const auto ti = static_cast<std::size_t>(i);
  const std::string_view step = kTriangleSteps[ti];
  double& distance = state.distanceAngle[ti];
  double& advance = state.advanceAngle[ti];
  double& central = state.centralAngle[ti];

  const double wd = ((distance + advance) + central - 180.0) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(wd, state.w[ti], kMisclosureNames[ti], step)) return outcome;
  run.firstGroupVv = run.firstGroupVv + wd * wd / 3.0;
  if (StageOutcome outcome = requireFinite(run.firstGroupVv, "闭合差平方和", step)) return outcome;
  display.setLabelCaption("Label17", std::string(kMisclosureCaptions[ti]));
  if (display.showsTexts()) display.setFieldText("Text11", triangleMisclosureText(wd));
  if (StageOutcome outcome =
          requireNoGrossMisclosure(state.w[ti], kMisclosureNames[ti], kTriangleAngleChecks[ti], step)) {
    return outcome;
  }

  distance = distance - wd / 10800.0;
  advance = advance - wd / 10800.0;
  central = central - wd / 10800.0;

  const std::string_view distanceName = kDistanceAngleNames[ti];
  const std::string_view advanceName = kAdvanceAngleNames[ti];
  const std::string_view centralName = kCentralAngleNames[ti];
  if (StageOutcome outcome = logSineCoefficient(distance, distanceName, step, run.distanceDelta[ti])) return outcome;
  if (StageOutcome outcome = logSineCoefficient(advance, advanceName, step, run.advanceDelta[ti])) return outcome;
  if (StageOutcome outcome = logSineCoefficient(central, centralName, step, run.centralDelta[ti])) return outcome;

  double distanceLogSine = 0.0;
  double advanceLogSine = 0.0;
  if (StageOutcome outcome = logSine(distance, distanceName, step, distanceLogSine)) return outcome;
  if (StageOutcome outcome = logSine(advance, advanceName, step, advanceLogSine)) return outcome;
  run.logSineSum = (run.logSineSum + distanceLogSine) - advanceLogSine;
  run.centralAngleSum = run.centralAngleSum + central;
  return done();
}

StageOutcome secondGroupStep(AdjustmentState& state, RunValues& run, ResultDisplay& display) {
  const std::string_view step = "第二组条件闭合差";
  const KnownSideGeometry& g = run.geometry;
  ConditionArray<float>& w = state.secondGroupW;

  const double fixedAngleA = ((state.distanceAngle[1] + state.advanceAngle[3]) - g.knownAngleA) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(fixedAngleA, w[1], "固定角闭合差 w1", step)) return outcome;
  if (display.showsTexts()) display.setFieldText("Text12", "  " + singleMisclosureText(w[1]) + " 秒");

  const double fixedAngleB = ((state.distanceAngle[2] + state.advanceAngle[1]) - g.knownAngleB) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(fixedAngleB, w[2], "固定角闭合差 w2", step)) return outcome;
  if (display.showsTexts()) display.setFieldText("Text13", "  " + singleMisclosureText(w[2]) + " 秒");

  const double circle = (run.centralAngleSum - 360.0) * kSecondsPerDegree;
  if (StageOutcome outcome = storeSingle(circle, w[3], "圆周角闭合差 w3", step)) return outcome;
  if (display.showsTexts()) display.setFieldText("Text21", "  " + singleMisclosureText(w[3]) + " 秒");

  const double side = run.logSineSum * 1000000.0;
  if (StageOutcome outcome = storeSingle(side, w[4], "极条件闭合差 w4", step)) return outcome;
  if (display.showsTexts()) display.setFieldText("Text25", " " + singleMisclosureText(w[4]) + " 单位");

  constexpr std::string_view kCoordinates = " A、B、C 点的座标";
  if (StageOutcome o = requireNoGrossMisclosure(w[1], "固定角闭合差 w1", kCoordinates, step)) return o;
  if (StageOutcome o = requireNoGrossMisclosure(w[2], "固定角闭合差 w2", kCoordinates, step)) return o;
  if (StageOutcome o = requireNoGrossMisclosure(w[3], "圆周角闭合差 w3", "三个中心角的观测值", step)) return o;

  writeConditionRows(run);
  return done();
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
