// A printer for tests that records every operation in order, so a test can
// check the sequence of calls and each line's items, with their columns.
#pragma once

#include <string>
#include <vector>

#include "report/printer.h"

namespace velmora::testing {

struct PrinterCall {
  enum class Kind { Position, FontName, FontSize, Line, End };
  Kind kind;
  int first = 0;   ///< x twips, or the font size
  int second = 0;  ///< y twips
  std::string faceName;
  std::vector<PrintItem> items;
};

/// "col:text" for an item with a column, "text" for one without, joined by "|".
std::string describeItems(const std::vector<PrintItem>& items);

class RecordingPrinter final : public Printer {
 public:
  void setPrintPosition(int xTwips, int yTwips) override;
  void setPrintFontName(const std::string& faceName) override;
  void setPrintFontSize(int points) override;
  void printLine(const std::vector<PrintItem>& items) override;
  void endPrintDocument() override;

  /// The described items of every printLine call, in order.
  std::vector<std::string> lines() const;
  /// The font size in effect for every printLine call, in order.
  std::vector<int> lineFontSizes() const;

  std::vector<PrinterCall> calls;
};

}  // namespace velmora::testing
