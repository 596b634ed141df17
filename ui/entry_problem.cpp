#include "ui/entry_problem.h"

#include "engine/entry_rules.h"

namespace velmora {

std::optional<std::string> entryProblem(DisplayKind kind, std::string_view typed) {
  switch (kind) {
    case DisplayKind::Coordinate: return coordinateEntryProblem(typed);
    case DisplayKind::Angle: return observedAngleEntryProblem(typed);
    case DisplayKind::Name: break;
  }
  return std::nullopt;
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
