#include "engine/arithmetic_checks.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "engine/entry_rules.h"
#include "engine/number_text.h"

namespace velmora {

StageOutcome readTypedValue(std::string_view typed, const FaultSubject& subject, StepAt at, double& value) {
  const CoordinateEntry entry = readCoordinateEntry(typed);
  if (!entry.broken) {
    value = entry.value;
    return done();
  }
  StageOutcome fault = cannotCompute(at, FaultKind::BrokenEntry, subject, std::string(typed));
  fault->rule = *entry.broken;
  return fault;
}

StageOutcome notFiniteFault(double value, const FaultSubject& subject, StepAt at) {
  return cannotCompute(at, std::isnan(value) ? FaultKind::Undefined : FaultKind::Overflow, subject);
}

StageOutcome zeroDivisorFault(const FaultSubject& subject, StepAt at) {
  return cannotCompute(at, FaultKind::ZeroDivisor, subject, "0");
}

StageOutcome notPositiveFault(double argument, const FaultSubject& subject, StepAt at) {
  return cannotCompute(at, FaultKind::NotPositiveForLog, subject, plainText(argument));
}

StageOutcome negativeRootFault(double argument, const FaultSubject& subject, StepAt at) {
  return cannotCompute(at, FaultKind::NegativeForRoot, subject, plainText(argument));
}

StageOutcome storeSingle(double value, float& member, const FaultSubject& subject, StepAt at) {
  if (StageOutcome outcome = requireFinite(value, subject, at)) return outcome;
  if (std::fabs(value) > static_cast<double>(FLT_MAX)) {
    return cannotCompute(at, FaultKind::BeyondSingle, subject, plainText(value));
  }
  member = static_cast<float>(value);
  return done();
}

}  // namespace velmora
