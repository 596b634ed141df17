// Adjusts one figure record by the interactive Compute run itself, its values
// given as the operator's confirmed replies, so that the results equal digit
// for digit what the window shows for the same values.
#pragma once

#include <optional>

#include "batch/figure_record.h"
#include "engine/adjustment_state.h"

namespace velmora {

/// Runs the figure on `state`; nothing when the run completed, otherwise the
/// step that could not be computed, with the column it concerns.
std::optional<RecordError> adjustFigure(const FigureRecord& figure, AdjustmentState& state);

}  // namespace velmora
