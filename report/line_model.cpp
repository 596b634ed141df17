#include "report/line_model.h"

namespace velmora {

std::vector<PlacedLine> layOutLine(const std::vector<PrintItem>& items, double startColumn,
                                   const std::function<double(std::string_view)>& widthInColumns) {
  std::vector<PlacedLine> lines(1);
  double nextFreeColumn = startColumn;
  for (const PrintItem& item : items) {
    double column = nextFreeColumn;
    if (item.column) {
      column = *item.column;
      if (nextFreeColumn > column) lines.emplace_back();
    }
    lines.back().items.push_back(PlacedItem{item.text, column});
    nextFreeColumn = column + widthInColumns(item.text);
  }
  return lines;
}

}  // namespace velmora
