#include "texts/entry_rule_texts.h"

namespace velmora {
namespace {

std::optional<std::string> problemText(const std::optional<EntryRule>& broken) {
  if (!broken) return std::nullopt;
  return std::string(entryRuleText(*broken));
}

}  // namespace

std::string_view entryRuleText(EntryRule rule) {
  switch (rule) {
    case EntryRule::NotANumber: return "不是数字";
    case EntryRule::OutOfRange: return "超出数值范围";
    case EntryRule::NotPositive: return "必须大于 0";
    case EntryRule::MinutesTooLarge: return "分必须小于 60";
    case EntryRule::SecondsTooLarge: return "秒必须小于 60";
    case EntryRule::NotBelow180: return "必须小于 180°";
  }
  return "不是数字";
}

std::optional<std::string> coordinateEntryProblem(std::string_view typed) {
  return problemText(readCoordinateEntry(typed).broken);
}

std::optional<std::string> observedAngleEntryProblem(std::string_view typed) {
  return problemText(readObservedAngleEntry(typed).broken);
}

}  // namespace velmora
