#include "ui/entry_problem.h"

#include "engine/number_reader.h"

namespace velmora {
namespace {

std::optional<std::string> numberProblem(std::string_view typed) {
  switch (readNumber(typed).reading) {
    case NumberReading::Number: return std::nullopt;
    case NumberReading::NotANumber: return "不是数字";
    case NumberReading::OutOfRange: return "超出数值范围";
  }
  return "不是数字";
}

}  // namespace

std::optional<std::string> entryProblem(DisplayKind kind, std::string_view typed) {
  switch (kind) {
    case DisplayKind::Coordinate:
    case DisplayKind::Angle: return numberProblem(typed);
    case DisplayKind::Name: break;
  }
  return std::nullopt;
}

std::optional<std::string> firstFigureProblem(const FigureTexts& figure) {
  for (std::size_t entry = 0; entry < kFigureEntryCount; ++entry) {
    const FigureEntry& about = figureEntries()[entry];
    if (const auto problem = entryProblem(about.kind, figure[entry])) {
      return std::string(about.label) + "：" + *problem;
    }
  }
  return std::nullopt;
}

}  // namespace velmora
