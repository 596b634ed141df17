// Checks made where a value arises, so that no infinite or undefined number is
// ever stored or shown: each returns why the step cannot compute, naming the
// value, or nothing when the value is fine. Floating-point traps are not used.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/figure_entry.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// A value's name for the operator, joined into one text only when a check
/// fails, so that the checks cost nothing on the way through: {"求距角 A(1)", " 的正切"},
/// with the typed entry the value comes from, when there is one.
struct ValueName {
  // Implicit on purpose: a plain text is a name.
  ValueName(const char* subjectText) : subject(subjectText) {}               // NOLINT(google-explicit-constructor)
  ValueName(std::string_view subjectText, std::string_view detailText = {},  // NOLINT(google-explicit-constructor)
            std::optional<FigureEntry> entryOf = {})
      : subject(subjectText), detail(detailText), entry(entryOf) {}
  std::string_view subject;
  std::string_view detail;
  std::optional<FigureEntry> entry;
  std::string text() const { return std::string(subject) + std::string(detail); }
};

/// The numeric value of a typed text into `value`, or why it has none.
StageOutcome readTypedValue(std::string_view typed, const ValueName& valueName, std::string_view step, double& value);

/// The faults of the checks below, made only when a check fails.
StageOutcome notFiniteFault(double value, const ValueName& valueName, std::string_view step);
StageOutcome zeroDivisorFault(const ValueName& valueName, std::string_view step);
StageOutcome notPositiveFault(double argument, const ValueName& valueName, std::string_view step);
StageOutcome negativeRootFault(double argument, const ValueName& valueName, std::string_view step);

// Inline, so that a value that passes costs one comparison and its name is never built.
inline StageOutcome requireFinite(double value, const ValueName& valueName, std::string_view step) {
  if (std::isfinite(value)) [[likely]]
    return done();
  return notFiniteFault(value, valueName, step);
}
inline StageOutcome requireNonZeroDivisor(double divisor, const ValueName& valueName, std::string_view step) {
  if (divisor != 0.0) [[likely]]
    return done();
  return zeroDivisorFault(valueName, step);
}
inline StageOutcome requirePositiveForLogarithm(double argument, const ValueName& valueName, std::string_view step) {
  if (argument > 0.0) [[likely]]
    return done();
  return notPositiveFault(argument, valueName, step);
}
inline StageOutcome requireNonNegativeForRoot(double argument, const ValueName& valueName, std::string_view step) {
  if (argument >= 0.0) [[likely]]
    return done();
  return negativeRootFault(argument, valueName, step);
}

/// Stores a double as single precision, refusing a value beyond the single range.
StageOutcome storeSingle(double value, float& member, const ValueName& valueName, std::string_view step);

}  // namespace velmora
