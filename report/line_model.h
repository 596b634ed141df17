// The line model every printer backend shares: how one printLine call's items
// land on columns. Columns count from 1 at the left edge of the printable area,
// in units of the current font's average character width, and may be fractional.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/printer.h"

namespace velmora {

struct PlacedItem {
  std::string text;
  double column;  ///< 1-based start column
};

struct PlacedLine {
  std::vector<PlacedItem> items;  ///< empty for an empty line
};

/// Lays out one printLine call. startColumn: where the first item would start
/// if it had no column (the current position). widthInColumns: an item's width
/// in columns. An item with a column n starts at n; when the current line
/// already extends past column n (next free column > n) it starts at column n
/// of a new line. An item without a column follows the previous item directly.
/// An empty item list is one empty line.
std::vector<PlacedLine> layOutLine(const std::vector<PrintItem>& items, double startColumn,
                                   const std::function<double(std::string_view)>& widthInColumns);

}  // namespace velmora
