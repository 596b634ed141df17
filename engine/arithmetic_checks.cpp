#include "engine/arithmetic_checks.h"

#include <cfloat>
#include <cmath>

#include "engine/entry_rules.h"
#include "engine/number_text.h"
#include "input/utf8_text.h"

namespace velmora {
namespace {

StageOutcome fault(std::string_view step, const ValueName& valueName, std::string_view what, std::string value = {}) {
  return cannotCompute(std::string(step), valueName.text() + std::string(what), valueName.entry, std::move(value));
}

}  // namespace

StageOutcome readTypedValue(std::string_view typed, const ValueName& valueName, std::string_view step, double& value) {
  const CoordinateEntry entry = readCoordinateEntry(typed);
  if (!entry.broken) {
    value = entry.value;
    return done();
  }
  return fault(step, valueName, " 的输入值 " + quotedBeginning(typed) + " " + std::string(entryRuleText(*entry.broken)),
               std::string(typed));
}

StageOutcome notFiniteFault(double value, const ValueName& valueName, std::string_view step) {
  return fault(step, valueName, std::isnan(value) ? " 无法计算（结果无定义）" : " 溢出（超出数值范围）");
}

StageOutcome zeroDivisorFault(const ValueName& valueName, std::string_view step) {
  return fault(step, valueName, " 为零，不能作除数", "0");
}

StageOutcome notPositiveFault(double argument, const ValueName& valueName, std::string_view step) {
  const std::string value = plainText(argument);
  return fault(step, valueName, " = " + value + "，不是正数，不能取对数", value);
}

StageOutcome negativeRootFault(double argument, const ValueName& valueName, std::string_view step) {
  const std::string value = plainText(argument);
  return fault(step, valueName, " = " + value + "，为负数，不能开平方", value);
}

StageOutcome storeSingle(double value, float& member, const ValueName& valueName, std::string_view step) {
  if (StageOutcome outcome = requireFinite(value, valueName, step)) return outcome;
  if (std::fabs(value) > static_cast<double>(FLT_MAX)) {
    const std::string text = plainText(value);
    return fault(step, valueName, " = " + text + "，超出单精度数的范围", text);
  }
  member = static_cast<float>(value);
  return done();
}

}  // namespace velmora
