// Checks made where a value arises, so that no infinite or undefined number is
// ever stored or shown: each returns why the step cannot compute, naming the
// value, or nothing when the value is fine. Floating-point traps are not used.
#pragma once

#include <cmath>
#include <string_view>

#include "engine/stage_outcome.h"

namespace velmora {

/// The numeric value of a typed text into `value`, or why it has none.
StageOutcome readTypedValue(std::string_view typed, const FaultSubject& subject, StepAt at, double& value);

/// The faults of the checks below, made only when a check fails.
StageOutcome notFiniteFault(double value, const FaultSubject& subject, StepAt at);
StageOutcome zeroDivisorFault(const FaultSubject& subject, StepAt at);
StageOutcome notPositiveFault(double argument, const FaultSubject& subject, StepAt at);
StageOutcome negativeRootFault(double argument, const FaultSubject& subject, StepAt at);

// Inline, so that a value that passes costs one comparison.
inline StageOutcome requireFinite(double value, const FaultSubject& subject, StepAt at) {
  if (std::isfinite(value)) [[likely]]
    return done();
  return notFiniteFault(value, subject, at);
}
inline StageOutcome requireNonZeroDivisor(double divisor, const FaultSubject& subject, StepAt at) {
  if (divisor != 0.0) [[likely]]
    return done();
  return zeroDivisorFault(subject, at);
}
inline StageOutcome requirePositiveForLogarithm(double argument, const FaultSubject& subject, StepAt at) {
  if (argument > 0.0) [[likely]]
    return done();
  return notPositiveFault(argument, subject, at);
}
inline StageOutcome requireNonNegativeForRoot(double argument, const FaultSubject& subject, StepAt at) {
  if (argument >= 0.0) [[likely]]
    return done();
  return negativeRootFault(argument, subject, at);
}

/// Stores a double as single precision, refusing a value beyond the single range.
StageOutcome storeSingle(double value, float& member, const FaultSubject& subject, StepAt at);

}  // namespace velmora
