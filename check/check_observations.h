// The rigorous check's observations taken from a complete Compute run: the
// coordinates of A, B, C and the nine observed angles as the run read them
// (decimal degrees, before any correction), starting from the mean of the
// classical P from A, B, C.
#pragma once

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_results.h"

namespace velmora {

CheckObservations checkObservations(const AdjustmentResults& results);

}  // namespace velmora
