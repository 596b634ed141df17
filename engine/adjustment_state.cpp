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

}  // namespace velmora
