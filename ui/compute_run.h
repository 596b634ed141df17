// One press of Compute: the whole adjustment from the first prompt to the last
// result field, through the window operations only. The stages run in a fixed
// order; the first that cannot compute ends the run, and no later field is written.
#pragma once

#include "engine/adjustment_state.h"
#include "ui/run_outcome.h"
#include "ui/window_operations.h"

namespace velmora {

RunOutcome computeRun(AdjustmentState& state, WindowOperations& window);

}  // namespace velmora
