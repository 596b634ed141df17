#include "figure_file/figure_file.h"

#include <algorithm>
#include <istream>
#include <streambuf>

#include "figure_file/figure_file_reader.h"
#include "input/text_escaping.h"
#include "input/utf8_text.h"

namespace velmora {
namespace {

/// Reads bytes held elsewhere without copying them.
class ViewBuffer final : public std::streambuf {
 public:
  explicit ViewBuffer(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());  // a get area is only read from
    setg(begin, begin, begin + bytes.size());
  }
};

bool isBlankOnly(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

bool allBlank(const FigureRecord& figure) {
  return std::all_of(figure.columns.begin(), figure.columns.end(), isBlankOnly);
}

void appendRecord(std::string& text, const FigureRecord& figure) {
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    if (column > 0) text += ',';
    if (column == 0 && allBlank(figure)) {
      text += '"' + figure.columns[column] + '"';
    } else {
      appendCsvField(text, figure.columns[column]);
    }
  }
  text += "\r\n";
}

/// Reads the whole file, each figure kept as `keep(line, figure)` makes it.
template <typename Entry, typename Keep>
FigureFileOf<Entry> readFigures(std::istream& input, TextEncoding encoding, Keep keep) {
  FigureFileReader reader(input, encoding);
  FigureFileOf<Entry> contents;
  contents.problem = reader.readHeader();
  if (contents.problem.empty()) {
    FigureRecord figure;
    FigureFileRecord record;
    while (reader.next(figure, record)) {
      if (!record.error) {
        contents.figures.push_back(keep(record.line, figure));
        continue;
      }
      contents.errors.push_back({record.line, std::string(record.error->field.value_or("")),
                                 std::move(record.error->message), std::string(record.name.value_or(""))});
    }
  }
  contents.skippedLines = reader.counts().skipped;
  contents.notices = reader.notices();
  contents.encoding = reader.encoding() == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
  contents.separator = reader.separator();
  contents.header = reader.header();
  return contents;
}

}  // namespace

FigureFileContents readFigureFile(std::istream& input, TextEncoding encoding) {
  return readFigures<FigureFileEntry>(input, encoding, [](std::size_t line, const FigureRecord& figure) {
    return FigureFileEntry{line, figure};
  });
}

FigureFileListing listFigureFileBytes(std::string_view bytes) {
  ViewBuffer buffer(bytes);
  std::istream input(&buffer);
  return readFigures<FigureFileName>(input, TextEncoding::Automatic, [](std::size_t line, const FigureRecord& figure) {
    return FigureFileName{line, figure.name()};
  });
}

std::optional<FigureRecord> figureAtLine(std::string_view bytes, std::size_t line) {
  ViewBuffer buffer(bytes);
  std::istream input(&buffer);
  FigureFileReader reader(input, TextEncoding::Automatic);
  if (!reader.readHeader().empty()) return std::nullopt;
  FigureRecord figure;
  FigureFileRecord record;
  while (reader.next(figure, record) && record.line <= line) {
    if (record.line == line && !record.error) return figure;
  }
  return std::nullopt;
}

FigureFileContents readFigureFileBytes(std::string_view bytes) {
  ViewBuffer buffer(bytes);
  std::istream input(&buffer);
  return readFigureFile(input, TextEncoding::Automatic);
}

std::string newFigureFile(std::span<const FigureRecord> figures) {
  std::string text = std::string(kUtf8ByteOrderMark) + figureHeaderLine() + "\r\n";
  for (const FigureRecord& figure : figures) appendRecord(text, figure);
  return text;
}

}  // namespace velmora
