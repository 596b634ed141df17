// Numbers written for machines at full precision: the shortest text that reads
// back to the same value (a single-precision value to the same single), with
// an exponent where that is shorter, laid out as std::to_chars lays it out
// (1e+16, 0.001, 1e-05). The digits come from {fmt}'s Dragonbox, about twice
// as fast as the standard library's printer. Never "-0", "inf" or "nan".
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
