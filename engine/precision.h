// Precision of the adjustment: the unit-weight angle error mb (arc seconds),
// P's position error md at the end of the longest side to P (millimetres) and
// its relative error 1/m. mb, md and m are stored single precision.
#pragma once

#include <optional>
#include <string>

#include "engine/adjustment_state.h"
#include "engine/result_display.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Shows mb (Text14), md (Text17) and 1/m (Text26) in that order. When md is
/// zero, m holds no number and Text26 shows " 1/∞"; the run goes on.
StageOutcome precisionStep(AdjustmentState& state, const RunValues& run, ResultDisplay& display);

/// The text of 1/m's denominator: the whole number, or ∞ when m holds none.
std::string relativeErrorDenominatorText(const std::optional<float>& m);

}  // namespace velmora
