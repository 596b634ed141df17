#include "figure_file/figure_file.h"

#include "figure_file/figure_file_reader.h"
#include "input/text_escaping.h"

namespace velmora {

FigureFileContents readFigureFile(std::istream& input, TextEncoding encoding) {
  FigureFileReader reader(input, encoding);
  FigureFileContents contents;
  contents.problem = reader.readHeader();
  if (contents.problem.empty()) {
    FigureRecord figure;
    FigureFileRecord record;
    while (reader.next(figure, record)) {
      if (!record.error) {
        contents.figures.push_back({record.line, figure});
        continue;
      }
      contents.errors.push_back({record.line, std::string(record.error->field.value_or("")),
                                 std::move(record.error->message), std::string(record.name.value_or(""))});
    }
  }
  contents.skippedLines = reader.counts().skipped;
  contents.notices = reader.notices();
  contents.encoding = reader.encoding() == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
  return contents;
}

bool writeFigureFile(std::ostream& output, std::span<const FigureRecord> figures) {
  std::string text = figureHeaderLine() + '\n';
  for (const FigureRecord& figure : figures) {
    for (std::size_t column = 0; column < kFigureColumns; ++column) {
      if (column > 0) text += ',';
      appendCsvField(text, figure.columns[column]);
    }
    text += '\n';
  }
  output.write(text.data(), static_cast<std::streamsize>(text.size()));
  output.flush();
  return static_cast<bool>(output);
}

}  // namespace velmora
