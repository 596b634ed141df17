// Round numbers for a drawing's magnifications and scale bars: 1, 2 or 5 times
// a power of ten. Inputs are positive and finite.
#pragma once

namespace velmora {

/// The round number nearest to `value` on a logarithmic scale.
double nearestRoundNumber(double value);

/// The largest round number not above `value`.
double largestRoundNumberAtMost(double value);

/// True when `value` is 1, 2 or 5 times a power of ten (to a relative 1e-9).
bool isRoundNumber(double value);

}  // namespace velmora
