// An adjustment state as a complete run leaves it, with values chosen to show
// the report's number texts: rounding, padding, negative values and zeros.
#pragma once

#include "engine/adjustment_state.h"

namespace velmora::testing {

AdjustmentState completedSampleRun();

}  // namespace velmora::testing
