// The sixteen typed entries of a figure as one table, in the column order of
// a figure file: the point name, the coordinates of A, B, C (x north, y east,
// metres), then the distance, advancing and central angle of triangles 1, 2,
// 3 (d.mmss). Readers, writers, the data sheet, the state and the messages
// walk it by row. The fifteen the adjustment reads are also named by
// FigureEntry, row 1 + entry; a fault names its entry so, never by its text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora {

enum class FigureEntry : std::uint8_t { xa, ya, xb, yb, xc, yc, a1, b1, c1, a2, b2, c2, a3, b3, c3 };

inline constexpr int kFigureEntries = 15;

/// The distance (A), advancing (B) or central (C) angle entry of triangle i, 1..3.
constexpr FigureEntry distanceAngleEntry(int i) { return static_cast<FigureEntry>(6 + 3 * (i - 1)); }
constexpr FigureEntry advanceAngleEntry(int i) { return static_cast<FigureEntry>(7 + 3 * (i - 1)); }
constexpr FigureEntry centralAngleEntry(int i) { return static_cast<FigureEntry>(8 + 3 * (i - 1)); }

/// What a typed entry holds: the rules it must meet and how a field shows it.
enum class EntryKind : std::uint8_t { Coordinate, Angle, Name };

/// One row of the table.
struct EntryRow {
  std::string_view key;    ///< a figure file's column and a batch record's key: "name", "xa" … "c3"
  std::string_view label;  ///< the form's and the data sheet's name: "点名", "Xa" … "C(3)"
  EntryKind kind;
};

inline constexpr std::size_t kEntryRows = 16;
inline constexpr std::size_t kPointNameRow = 0;

inline constexpr std::array<EntryRow, kEntryRows> kFigureEntryRows{{
    {"name", "点名", EntryKind::Name},
    {"xa", "Xa", EntryKind::Coordinate},
    {"ya", "Ya", EntryKind::Coordinate},
    {"xb", "Xb", EntryKind::Coordinate},
    {"yb", "Yb", EntryKind::Coordinate},
    {"xc", "Xc", EntryKind::Coordinate},
    {"yc", "Yc", EntryKind::Coordinate},
    {"a1", "A(1)", EntryKind::Angle},
    {"b1", "B(1)", EntryKind::Angle},
    {"c1", "C(1)", EntryKind::Angle},
    {"a2", "A(2)", EntryKind::Angle},
    {"b2", "B(2)", EntryKind::Angle},
    {"c2", "C(2)", EntryKind::Angle},
    {"a3", "A(3)", EntryKind::Angle},
    {"b3", "B(3)", EntryKind::Angle},
    {"c3", "C(3)", EntryKind::Angle},
}};

/// The row of an entry the adjustment reads.
constexpr std::size_t entryRow(FigureEntry entry) { return 1 + static_cast<std::size_t>(entry); }

}  // namespace velmora
