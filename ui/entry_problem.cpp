#include "ui/entry_problem.h"

#include "texts/entry_rule_texts.h"
#include "ui/window_typing.h"

namespace velmora {

namespace {

/// A decimal comma where the number wants a point: "3146,231" would be a number with "3146.231".
bool hasDecimalComma(std::string_view typed) {
  const std::size_t comma = typed.find(',');
  if (comma == std::string_view::npos || typed.find(',', comma + 1) != std::string_view::npos) return false;
  std::string pointed(typed);
  pointed[comma] = '.';
  return !coordinateEntryProblem(pointed);
}

std::optional<std::string> ruleProblem(DisplayKind kind, std::string_view typed) {
  switch (kind) {
    case DisplayKind::Coordinate: return coordinateEntryProblem(typed);
    case DisplayKind::Angle: return observedAngleEntryProblem(typed);
    case DisplayKind::Name: break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> entryProblem(DisplayKind kind, std::string_view typed) {
  const std::string text = windowEntryText(kind, typed);
  std::optional<std::string> problem = ruleProblem(kind, text);
  if (problem && hasDecimalComma(text)) return "小数点请用“.”，不用逗号";
  return problem;
}

std::optional<std::string> firstFigureProblem(const SheetTexts& figure) {
  for (std::size_t entry = 0; entry < kSheetEntries; ++entry) {
    const SheetEntry& about = sheetEntries()[entry];
    if (const auto problem = entryProblem(about.kind, figure[entry])) {
      return std::string(about.label) + "：" + *problem;
    }
  }
  return std::nullopt;
}

}  // namespace velmora
