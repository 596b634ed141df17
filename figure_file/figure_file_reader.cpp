#include "figure_file/figure_file_reader.h"

namespace velmora {
std::string FigureFileReader::readHeader() {
  bool found = false;
  while ((found = reader_.next(record_)) && record_.blank) ++counts_.skipped;
  if (!found) return "文件是空的：第 1 行应为表头 " + figureHeaderLine();
  HeaderReading reading = velmora::readHeader(record_);
  if (!reading.header) return std::move(reading.problem);
  header_ = std::move(*reading.header);
  counts_.header = record_.lines;
  reader_.expectFields(header_.fileColumnNames.size());
  return {};
}

bool FigureFileReader::next(FigureRecord& figure, FigureFileRecord& record) {
  for (;;) {
    if (!reader_.next(record_)) return false;
    if (record_.blank) {
      ++counts_.skipped;
      continue;
    }
    ++counts_.records;
    counts_.continuation += record_.lines - 1;
    record.line = record_.line;
    record.error = readFigureTexts(record_, header_, figure);
    record.name = record.error ? recordName(record_, header_) : std::nullopt;
    return true;
  }
}

std::vector<std::string> FigureFileReader::notices() const {
  std::vector<std::string> notices;
  if (!header_.unknownColumns.empty()) {
    notices.push_back("表头中的列 " + joinedNames(header_.unknownColumns) + " 不是图形的列，已忽略");
  }
  const TextDecoder& decoder = reader_.decoder();
  if (encoding_ == TextEncoding::Automatic && decoder.encoding() == TextEncoding::Gb18030) {
    notices.emplace_back("文件不是 UTF-8 文本，已按 GB18030 读取");
  }
  if (decoder.replacedSequences() > 0) {
    notices.push_back("文件中有 " + std::to_string(decoder.replacedSequences()) +
                      " 处字节不是 GB18030 文字，已读作 U+FFFD");
  }
  return notices;
}

}  // namespace velmora
