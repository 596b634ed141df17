#include "ui/qt/figure_file.h"

#include <fstream>

#include "batch/csv_record_reader.h"
#include "batch/figure_record.h"
#include "batch/text_escaping.h"

namespace velmora {
namespace {

static_assert(kFigureColumns == kFigureEntryCount, "a file's columns are the figure's entries in order");

std::string recordLine(const FigureTexts& texts) {
  std::string line;
  for (std::size_t column = 0; column < texts.size(); ++column) {
    if (column > 0) line += ',';
    appendCsvField(line, texts[column]);
  }
  return line + '\n';
}

std::string headerLine() {
  std::string line;
  for (const std::string_view name : kFigureColumnNames) {
    if (!line.empty()) line += ',';
    line += name;
  }
  return line + '\n';
}

}  // namespace

FigureFileContents readFigureFile(const std::string& path) {
  FigureFileContents contents;
  std::ifstream input(path, std::ios::binary);
  if (!input) {
    contents.failure = "无法读取文件「" + path + "」";
    return contents;
  }
  CsvRecordReader reader(input);
  CsvRecord record;
  if (!reader.next(record)) {
    contents.failure = "文件「" + path + "」是空的";
    return contents;
  }
  if (std::string problem = headerProblem(record); !problem.empty()) {
    contents.failure = problem;
    return contents;
  }
  while (reader.next(record)) {
    FigureRecord figure;
    if (const auto error = readFigure(record, figure)) {
      contents.recordProblems.push_back("第 " + std::to_string(record.line) + " 行：" + error->message);
      continue;
    }
    FileFigure read{record.line, {}};
    for (std::size_t column = 0; column < kFigureColumns; ++column) read.texts[column] = figure.columns[column];
    contents.figures.push_back(std::move(read));
  }
  if (input.bad()) contents.failure = "读取文件「" + path + "」时出错";
  return contents;
}

std::optional<std::string> writeFigureFile(const std::string& path, const std::vector<FigureTexts>& figures) {
  std::ofstream output(path, std::ios::binary | std::ios::trunc);
  if (!output) return "无法写入文件「" + path + "」";
  output << headerLine();
  for (const FigureTexts& figure : figures) output << recordLine(figure);
  output.flush();
  if (!output) return "写入文件「" + path + "」时出错";
  return std::nullopt;
}

}  // namespace velmora
