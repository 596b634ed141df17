// A generated figure adjusted the classical way by an interactive Compute run,
// and the rigorous check of that run, for the check's tests.
#pragma once

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"
#include "figure_factory.h"

namespace velmora {

struct CheckedFigure {
  figures::Figure figure;
  AdjustmentState state;  ///< after the complete Compute run
  CheckOutcome outcome;
};

CheckedFigure checkedFigure(std::mt19937_64& random, const figures::FigureOptions& options);

}  // namespace velmora
