// How the classical two-group result compares with the rigorous check: P from
// A, B and C minus the rigorous P (millimetres, x north, y east), mb against m0
// (arc seconds) and md against the rigorous position error mp (millimetres).
#pragma once

#include <array>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"

namespace velmora {

struct ClassicalComparison {
  std::array<double, 3> dx{};  ///< xp1, xp2, xp3 minus the rigorous x, millimetres
  std::array<double, 3> dy{};  ///< yp1, yp2, yp3 minus the rigorous y, millimetres
  double mbMinusM0 = 0.0;      ///< arc seconds
  double mbOverM0 = 0.0;       ///< 0 when m0 is zero
  double mdMinusMp = 0.0;      ///< millimetres
};

/// From a complete run's state and its check.
ClassicalComparison compareWithClassical(const AdjustmentState& state, const RigorousCheck& check);

}  // namespace velmora
