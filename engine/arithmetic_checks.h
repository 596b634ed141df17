// Checks made where a value arises, so that no infinite or undefined number is
// ever stored or shown: each returns why the step cannot compute, naming the
// value, or nothing when the value is fine. Floating-point traps are not used.
#pragma once

#include <string>
#include <string_view>

#include "engine/stage_outcome.h"

namespace velmora {

/// The numeric value of a typed text into `value`, or why it has none.
StageOutcome readTypedValue(const std::string& typed, std::string_view valueName, std::string_view step,
                            double& value);

StageOutcome requireFinite(double value, std::string_view valueName, std::string_view step);
StageOutcome requireNonZeroDivisor(double divisor, std::string_view valueName, std::string_view step);
StageOutcome requirePositiveForLogarithm(double argument, std::string_view valueName, std::string_view step);
StageOutcome requireNonNegativeForRoot(double argument, std::string_view valueName, std::string_view step);

/// Stores a double as single precision, refusing a value beyond the single range.
StageOutcome storeSingle(double value, float& member, std::string_view valueName, std::string_view step);

}  // namespace velmora
