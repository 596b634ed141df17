#include "report/text_sink.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "report/line_model.h"

namespace velmora {
namespace {

/// Number of code points in UTF-8 text: every byte that is not a continuation byte.
std::size_t codePointCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
  }));
}

std::string renderLine(const PlacedLine& line) {
  std::string text;
  std::size_t columnsUsed = 0;
  for (const PlacedItem& item : line.items) {
    const auto startColumn = static_cast<std::size_t>(std::max(1.0, std::ceil(item.column)));
    if (startColumn > columnsUsed + 1) {
      text.append(startColumn - 1 - columnsUsed, ' ');
      columnsUsed = startColumn - 1;
    }
    text += item.text;
    columnsUsed += codePointCount(item.text);
  }
  return text;
}

}  // namespace

TextSink::TextSink(std::ostream& out) : out_(out) {}

void TextSink::setPrintPosition(int xTwips, int /*yTwips*/) {
  nextLineStartColumn_ = 1.0 + xTwips / kTwipsPerColumn;
}

void TextSink::setPrintFontName(const std::string& /*faceName*/) {}

void TextSink::setPrintFontSize(int /*points*/) {}

void TextSink::printLine(const std::vector<PrintItem>& items) {
  const auto width = [](std::string_view text) { return static_cast<double>(codePointCount(text)); };
  for (const PlacedLine& line : layOutLine(items, nextLineStartColumn_, width)) {
    document_ += renderLine(line);
    document_ += '\n';
  }
  nextLineStartColumn_ = 1.0;
}

void TextSink::endPrintDocument() {
  out_ << document_;
  out_.flush();
  document_.clear();
  nextLineStartColumn_ = 1.0;
}

}  // namespace velmora
