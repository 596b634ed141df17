// The sixteen typed entries of one figure as the form and its data sheet
// know them: the rows of the figure's entry table (engine/figure_entry.h),
// each kept as the text the operator typed; the label is the form's own name.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "engine/figure_entry.h"

namespace velmora {

/// How a typed value is shown in its field, and which rules it must meet.
using DisplayKind = EntryKind;
using SheetEntry = EntryRow;

inline constexpr std::size_t kSheetEntries = kEntryRows;
inline constexpr std::size_t kPointNameEntry = kPointNameRow;

/// The typed texts of a figure, indexed as sheetEntries().
using SheetTexts = std::array<std::string, kSheetEntries>;

std::span<const SheetEntry> sheetEntries();

/// The entry of coordinate `n` in the order xa, ya, xb, yb, xc, yc (0..5).
constexpr std::size_t coordinateEntry(std::size_t n) { return entryRow(static_cast<FigureEntry>(n)); }
/// The entry of an angle of triangle `triangle` (1..3): `position` 0 for the
/// distance angle A(i), 1 for the advancing angle B(i), 2 for the central angle C(i).
constexpr std::size_t angleEntry(int triangle, std::size_t position) {
  return entryRow(distanceAngleEntry(triangle)) + position;
}

}  // namespace velmora
