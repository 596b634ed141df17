// Numbers written for machines at full precision: the shortest text that reads
// back to the same value (a single-precision value to the same single), with
// an exponent where that is shorter. Never "-0", "inf" or "nan".
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

/// Appends the shortest round-trip text of a finite double; a zero of either sign is "0".
void appendShortest(std::string& out, double value);

/// Appends the shortest text that reads back to the same single-precision value.
void appendShortest(std::string& out, float value);

void appendWhole(std::string& out, std::size_t value);

}  // namespace velmora
