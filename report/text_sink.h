// A printer that writes plain text: one output line per line of the line model,
// an item at column n starting at the n-th character of its line (characters are
// Unicode code points of UTF-8 text). Face and size have no effect on text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "report/printer.h"

namespace velmora {

class TextSink final : public Printer {
 public:
  /// Horizontal twips per text column: ten columns to the inch.
  static constexpr double kTwipsPerColumn = 144.0;

  /// Writes each finished document, whole, to `out`.
  explicit TextSink(std::ostream& out);

  /// The x position sets where the next line's first item would start
  /// (column 1 + x / 144); the lines after it start at column 1. The
  /// vertical position has no text equivalent and is ignored.
  void setPrintPosition(int xTwips, int yTwips) override;
  void setPrintFontName(const std::string& faceName) override;
  void setPrintFontSize(int points) override;
  /// Fractional columns round up to the next whole column; the gap before an
  /// item is filled with blanks, and no blanks are added after the last item.
  void printLine(const std::vector<PrintItem>& items) override;
  /// Writes the document to the stream in one piece and flushes it.
  void endPrintDocument() override;

 private:
  std::ostream& out_;
  std::string document_;
  double nextLineStartColumn_ = 1.0;
};

}  // namespace velmora
