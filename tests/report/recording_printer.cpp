#include "tests/report/recording_printer.h"

namespace velmora::testing {

std::string describeItems(const std::vector<PrintItem>& items) {
  std::string description;
  for (const PrintItem& item : items) {
    if (!description.empty()) description += '|';
    if (item.column) description += std::to_string(*item.column) + ':';
    description += item.text;
  }
  return description;
}

void RecordingPrinter::setPrintPosition(int xTwips, int yTwips) {
  calls.push_back({PrinterCall::Kind::Position, xTwips, yTwips, {}, {}});
}

void RecordingPrinter::setPrintFontName(const std::string& faceName) {
  calls.push_back({PrinterCall::Kind::FontName, 0, 0, faceName, {}});
}

void RecordingPrinter::setPrintFontSize(int points) {
  calls.push_back({PrinterCall::Kind::FontSize, points, 0, {}, {}});
}

void RecordingPrinter::printLine(const std::vector<PrintItem>& items) {
  calls.push_back({PrinterCall::Kind::Line, 0, 0, {}, items});
}

void RecordingPrinter::endPrintDocument() { calls.push_back({PrinterCall::Kind::End, 0, 0, {}, {}}); }

std::vector<std::string> RecordingPrinter::lines() const {
  std::vector<std::string> described;
  for (const PrinterCall& call : calls) {
    if (call.kind == PrinterCall::Kind::Line) described.push_back(describeItems(call.items));
  }
  return described;
}

std::vector<int> RecordingPrinter::lineFontSizes() const {
  std::vector<int> sizes;
  int current = 0;
  for (const PrinterCall& call : calls) {
    if (call.kind == PrinterCall::Kind::FontSize) current = call.first;
    if (call.kind == PrinterCall::Kind::Line) sizes.push_back(current);
  }
  return sizes;
}

}  // namespace velmora::testing
