// The one list of a result's values as the batch writers print them: name,
// order and kind. JSON Lines writes each as a key (an array for a per-triangle
// or per-condition member), CSV as columns (w1 .. w3 for an array). Adding a
// value to the output is adding one entry here.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <variant>

#include "batch/record_writer.h"

namespace velmora {

/// One printed number: a single or a double at full precision, or none (JSON
/// null, an empty CSV field).
using ResultNumber = std::variant<std::monostate, float, double>;

struct ResultColumn {
  std::string_view name;
  std::size_t count = 0;  ///< 0: one value under the name; n: n values numbered 1..n
  /// The value, or the index-th of an array's values (index from 0).
  ResultNumber (*value)(const FigureResult& figure, std::size_t index) = nullptr;
};

/// w, secondGroupW, k, invPb, invPs, mb, md, m, xp1 .. yp3, distanceAngle,
/// advanceAngle, centralAngle, in this order.
std::span<const ResultColumn> resultColumns();

/// Appends the number's shortest round-trip text, or `none` when it has no number.
void appendResultNumber(std::string& out, const ResultNumber& number, std::string_view none);

}  // namespace velmora
