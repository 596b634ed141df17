#include "engine/precision.h"

#include <cmath>
#include <string>

#include "engine/arithmetic_checks.h"
#include "engine/number_text.h"

namespace velmora {
namespace {

constexpr const char* kStep = "精度评定";
constexpr double kConditionCount = 7.0;  // three triangle conditions and four second-group conditions

}  // namespace

std::string relativeErrorDenominatorText(const std::optional<float>& m) { return m ? plainSingleText(*m) : "∞"; }

StageOutcome precisionStep(AdjustmentState& state, const RunValues& run, ResultDisplay& display) {
  const double vv = (run.secondGroupVv + run.firstGroupVv) / kConditionCount;
  if (StageOutcome outcome = requireNonNegativeForRoot(vv, "[vv]/7", kStep)) return outcome;
  if (StageOutcome outcome = storeSingle(std::sqrt(vv), state.mb, "测角中误差 mb", kStep)) return outcome;
  if (display.showsTexts()) display.setFieldText("Text14", "  " + fixedText(state.mb, 2) + " 秒");

  const double s = run.provisional.longestSide;
  const double a = 5.3 * state.invPs;
  const double b = 23.5 * state.invPb;
  if (StageOutcome outcome = requireNonNegativeForRoot(a + b, "5.3/Ps + 23.5/Pb", kStep)) return outcome;
  const double q = std::sqrt(a + b);
  if (StageOutcome outcome = storeSingle(((s * state.mb) * q) / 1000.0, state.md, "点位中误差 md", kStep)) {
    return outcome;
  }
  if (display.showsTexts()) display.setFieldText("Text17", "  " + fixedText(state.md, 2) + " 毫米");

  if (state.md == 0.0F) {
    state.m.reset();
  } else {
    float m = 0.0F;
    if (StageOutcome outcome = storeSingle(std::trunc((1000.0 * s) / state.md), m, "相对中误差分母 m", kStep)) {
      return outcome;
    }
    state.m = m;
  }
  if (display.showsTexts()) display.setFieldText("Text26", " 1/" + relativeErrorDenominatorText(state.m));
  return done();
}

}  // namespace velmora
