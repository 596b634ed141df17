#include "engine/adjustment_state.h"

#include <array>
#include <utility>

namespace velmora {

void AdjustmentState::recreateArrays() {
  distanceAngleDms = {};
  advanceAngleDms = {};
  centralAngleDms = {};
  distanceAngle = {};
  advanceAngle = {};
  centralAngle = {};
  w = {};
  secondGroupW = {};
  k = {};
  lastRunComplete = false;
}

std::string& AdjustmentState::typedText(std::size_t row) {
  return const_cast<std::string&>(std::as_const(*this).typedText(row));
}

const std::string& AdjustmentState::typedText(std::size_t row) const {
  const std::array<const std::string*, entryRow(FigureEntry::a1)> scalars{&pointName, &xa, &ya, &xb, &yb, &xc, &yc};
  if (row < scalars.size()) return *scalars[row];
  const std::size_t angle = row - scalars.size();
  const std::size_t triangle = 1 + angle / 3;
  const std::array<const TriangleArray<std::string>*, 3> angles{&distanceAngleDms, &advanceAngleDms, &centralAngleDms};
  return angles.at(angle % 3)->at(triangle);
}

FigureTexts AdjustmentState::typedFigure() const {
  return figureTextsOf([this](std::size_t row) { return std::string_view(typedText(row)); });
}

}  // namespace velmora
