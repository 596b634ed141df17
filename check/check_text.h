// The rigorous check as a person reads it on the console, in the window's
// language: P, m0, P's standard deviations and error ellipse, each angle's
// residual, redundancy number and standardized residual, and the differences
// to the classical results. Millimetres, arc seconds; azimuths in degrees.
#pragma once

#include <string>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"

namespace velmora {

/// Lines ending in a line break; `state` is the complete run the check was made from.
std::string checkText(const AdjustmentState& state, const RigorousCheck& check);

}  // namespace velmora
