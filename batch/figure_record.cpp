#include "batch/figure_record.h"

namespace velmora {

const std::array<std::string_view, kFigureColumns> kFigureColumnNames = {
    "name", "xa", "ya", "xb", "yb", "xc", "yc", "a1", "b1", "c1", "a2", "b2", "c2", "a3", "b3", "c3"};

FigureTexts FigureRecord::typed() const {
  FigureTexts texts{columns[1], columns[2], columns[3], columns[4], columns[5], columns[6]};
  for (std::size_t t = 1; t <= kTriangles; ++t) {
    const std::size_t first = 7 + 3 * (t - 1);
    texts.distanceAngle[t] = columns[first];
    texts.advanceAngle[t] = columns[first + 1];
    texts.centralAngle[t] = columns[first + 2];
  }
  return texts;
}

std::string_view entryColumn(FigureEntry entry) { return kFigureColumnNames[1 + static_cast<std::size_t>(entry)]; }

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string expectedHeader() {
  std::string header;
  for (const std::string_view name : kFigureColumnNames) {
    if (!header.empty()) header += ',';
    header += name;
  }
  return header;
}

}  // namespace

std::string headerProblem(const CsvRecord& header) {
  bool matches = header.problem.empty() && header.fieldCount == kFigureColumns;
  for (std::size_t i = 0; matches && i < kFigureColumns; ++i) {
    std::string_view field = header.fields[i];
    if (i == 0 && field.starts_with(kByteOrderMark)) field.remove_prefix(kByteOrderMark.size());
    matches = field == kFigureColumnNames[i];
  }
  if (matches) return {};
  return "第 " + std::to_string(header.line) + " 行应为表头 " + expectedHeader();
}

std::optional<RecordError> readFigure(const CsvRecord& record, FigureRecord& figure) {
  if (!record.problem.empty()) return RecordError{std::nullopt, record.problem};
  if (record.fieldCount != kFigureColumns) {
    // Too few fields: the first column without a value is named.
    const std::optional<std::string_view> missing =
        record.fieldCount < kFigureColumns ? std::optional(kFigureColumnNames[record.fieldCount]) : std::nullopt;
    return RecordError{missing, "记录有 " + std::to_string(record.fieldCount) + " 个字段，应为 " +
                                    std::to_string(kFigureColumns) + " 个"};
  }
  for (std::size_t i = 0; i < kFigureColumns; ++i) figure.columns[i] = record.fields[i];
  return std::nullopt;
}

}  // namespace velmora
