// Exact decimal rounding of a double by integer arithmetic: the binary value,
// scaled by a power of ten, rounded to a whole number with halves to the even
// digit. It gives the digits the library's fixed formatter gives, faster.
#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

/// |value| x 10^decimals rounded to a whole number, halves to even, computed
/// exactly from the binary value. None when decimals lies outside 0..9 or the
/// result reaches 2^53 (callers then use the library formatter).
std::optional<std::uint64_t> scaledHalfEven(double value, int decimals);

}  // namespace velmora
