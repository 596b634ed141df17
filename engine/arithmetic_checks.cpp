#include "engine/arithmetic_checks.h"

#include <cfloat>
#include <cmath>

#include "engine/entry_rules.h"
#include "engine/number_text.h"

namespace velmora {
namespace {

StageOutcome fault(std::string_view step, std::string reason) {
  return cannotCompute(std::string(step), std::move(reason));
}

std::string named(const ValueName& valueName) { return valueName.text(); }

}  // namespace

StageOutcome readTypedValue(const std::string& typed, const ValueName& valueName, std::string_view step,
                            double& value) {
  const CoordinateEntry entry = readCoordinateEntry(typed);
  if (!entry.broken) {
    value = entry.value;
    return done();
  }
  return fault(step, named(valueName) + " 的输入值 “" + typed + "” " + std::string(entryRuleText(*entry.broken)));
}

StageOutcome requireFinite(double value, const ValueName& valueName, std::string_view step) {
  if (std::isfinite(value)) return done();
  return fault(step, named(valueName) + (std::isnan(value) ? " 无法计算（结果无定义）" : " 溢出（超出数值范围）"));
}

StageOutcome requireNonZeroDivisor(double divisor, const ValueName& valueName, std::string_view step) {
  if (divisor != 0.0) return done();
  return fault(step, named(valueName) + " 为零，不能作除数");
}

StageOutcome requirePositiveForLogarithm(double argument, const ValueName& valueName, std::string_view step) {
  if (argument > 0.0) return done();
  return fault(step, named(valueName) + " = " + plainText(argument) + "，不是正数，不能取对数");
}

StageOutcome requireNonNegativeForRoot(double argument, const ValueName& valueName, std::string_view step) {
  if (argument >= 0.0) return done();
  return fault(step, named(valueName) + " = " + plainText(argument) + "，为负数，不能开平方");
}

StageOutcome storeSingle(double value, float& member, const ValueName& valueName, std::string_view step) {
  if (StageOutcome outcome = requireFinite(value, valueName, step)) return outcome;
  if (std::fabs(value) > static_cast<double>(FLT_MAX)) {
    return fault(step, named(valueName) + " = " + plainText(value) + "，超出单精度数的范围");
  }
  member = static_cast<float>(value);
  return done();
}

}  // namespace velmora
