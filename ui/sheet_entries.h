// The sixteen typed entries of one figure, in the column order of a figure
// file: the point name, the coordinates of A, B and C (x north, y east,
// metres) and the nine observed angles a1, b1, c1 … c3 (d.mmss). Each entry
// is kept as the text the operator typed; the label is the form's own name.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

/// How a typed value is shown in its field, and which rules it must meet.
enum class DisplayKind { Coordinate, Angle, Name };

struct SheetEntry {
  std::string_view label;  ///< "点名", "Xa" … "Yc", "A(1)" … "C(3)"
  DisplayKind kind;
};

inline constexpr std::size_t kSheetEntries = 16;
inline constexpr std::size_t kPointNameEntry = 0;

/// The typed texts of a figure, indexed as sheetEntries().
using SheetTexts = std::array<std::string, kSheetEntries>;

std::span<const SheetEntry> sheetEntries();

/// The entry of coordinate `n` in the order xa, ya, xb, yb, xc, yc (0..5).
constexpr std::size_t coordinateEntry(std::size_t n) { return 1 + n; }
/// The entry of an angle of triangle `triangle` (1..3): `position` 0 for the
/// distance angle A(i), 1 for the advancing angle B(i), 2 for the central angle C(i).
constexpr std::size_t angleEntry(int triangle, std::size_t position) {
  return 7 + 3 * static_cast<std::size_t>(triangle - 1) + position;
}

}  // namespace velmora
