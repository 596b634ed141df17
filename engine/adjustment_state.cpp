#include "engine/adjustment_state.h"

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

FigureTexts AdjustmentState::typedFigure() const {
  FigureTexts texts{xa, ya, xb, yb, xc, yc};
  for (std::size_t t = 1; t <= kTriangles; ++t) {
    texts.distanceAngle[t] = distanceAngleDms[t];
    texts.advanceAngle[t] = advanceAngleDms[t];
    texts.centralAngle[t] = centralAngleDms[t];
  }
  return texts;
}

}  // namespace velmora
