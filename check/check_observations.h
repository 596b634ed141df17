// The rigorous check's observations taken from a complete Compute run: the
// typed coordinates of A, B, C and the nine angles as typed (d.mmss, converted
// to decimal degrees), starting from the mean of the classical P from A, B, C.
#pragma once

#include <optional>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"

namespace velmora {

/// Nothing when a typed value does not read as a number (no complete run has one).
std::optional<CheckObservations> checkObservations(const FigureTexts& typed, const AdjustmentResults& results);
std::optional<CheckObservations> checkObservations(const AdjustmentState& state);

}  // namespace velmora
