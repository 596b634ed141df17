// The five printer operations the report is written through. Positions are in
// twips (1/1440 inch) from the printable area's top left corner; an item's
// column counts from 1 in units of the current font's average character width.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct PrintItem {
  std::string text;
  std::optional<int> column;  ///< start column; none: follows the previous item
};

class Printer {
 public:
  virtual ~Printer() = default;
  virtual void setPrintPosition(int xTwips, int yTwips) = 0;
  virtual void setPrintFontName(const std::string& faceName) = 0;
  virtual void setPrintFontSize(int points) = 0;
  /// Prints the items by the line model and moves to the start of the next line.
  virtual void printLine(const std::vector<PrintItem>& items) = 0;
  /// Ends the document; the next report starts a new one.
  virtual void endPrintDocument() = 0;
};

}  // namespace velmora
