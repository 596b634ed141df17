// The fifteen typed values of a figure, in the order they are prompted: the
// coordinates of A, B, C (x north, y east, metres), then the distance,
// advancing and central angle of triangles 1, 2, 3 (d.mmss). A fault names
// the entry it concerns by this identity, never by its text.
#pragma once

#include <cstdint>

namespace velmora {

enum class FigureEntry : std::uint8_t { xa, ya, xb, yb, xc, yc, a1, b1, c1, a2, b2, c2, a3, b3, c3 };

inline constexpr int kFigureEntries = 15;

/// The distance (A), advancing (B) or central (C) angle entry of triangle i, 1..3.
constexpr FigureEntry distanceAngleEntry(int i) { return static_cast<FigureEntry>(6 + 3 * (i - 1)); }
constexpr FigureEntry advanceAngleEntry(int i) { return static_cast<FigureEntry>(7 + 3 * (i - 1)); }
constexpr FigureEntry centralAngleEntry(int i) { return static_cast<FigureEntry>(8 + 3 * (i - 1)); }

}  // namespace velmora
