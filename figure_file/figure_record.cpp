#include "figure_file/figure_record.h"

#include <algorithm>

#include "engine/number_reader.h"
#include "input/utf8_text.h"

namespace velmora {

static_assert(kFigureColumns == kEntryRows, "a figure file has a column for each typed entry");

const std::array<std::string_view, kFigureColumns> kFigureColumnNames = [] {
  std::array<std::string_view, kFigureColumns> names{};
  for (std::size_t row = 0; row < kEntryRows; ++row) names[row] = kFigureEntryRows[row].key;
  return names;
}();

FigureTexts FigureRecord::typed() const {
  return figureTextsOf([this](std::size_t row) { return std::string_view(columns[row]); });
}

std::string_view entryColumn(FigureEntry entry) { return kFigureEntryRows[entryRow(entry)].key; }

namespace {

constexpr std::size_t kNameColumn = kPointNameRow;
constexpr std::size_t kNotInFile = static_cast<std::size_t>(-1);

std::string_view trimmed(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  return lower;
}

std::optional<std::size_t> figureColumnNamed(std::string_view name) {
  const std::string lower = lowerAscii(name);
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    if (kFigureColumnNames[column] == lower) return column;
  }
  return std::nullopt;
}

/// The figure column read from the file's field `field`, if any.
std::optional<std::size_t> figureColumnAt(const FigureHeader& header, std::size_t field) {
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    if (header.fileColumn[column] == field) return column;
  }
  return std::nullopt;
}

std::string fieldName(const FigureHeader& header, std::size_t field) {
  if (field < header.fileColumnNames.size() && !header.fileColumnNames[field].empty()) {
    return header.fileColumnNames[field];
  }
  return "第 " + std::to_string(field + 1) + " 列";
}

std::optional<std::string_view> figureFieldAt(const FigureHeader& header, std::size_t field) {
  const std::optional<std::size_t> column = figureColumnAt(header, field);
  if (!column) return std::nullopt;
  return kFigureColumnNames[*column];
}

std::optional<RecordError> fieldCountProblem(const CsvRecord& record, const FigureHeader& header) {
  const std::size_t expected = header.fileColumnNames.size();
  // Made only for a record at fault: reading a good record allocates nothing.
  const auto counts = [&] {
    return "记录有 " + std::to_string(record.fieldCount) + " 个字段，应为 " + std::to_string(expected) + " 个";
  };
  if (record.fieldCount < expected) {
    // The first column without a value is named.
    for (std::size_t field = record.fieldCount; field < expected; ++field) {
      if (const std::optional<std::string_view> column = figureFieldAt(header, field)) {
        return RecordError{column, counts() + "：缺少 " + std::string(*column)};
      }
    }
    return RecordError{std::nullopt, counts()};
  }
  for (std::size_t field = expected; field < record.fieldCount; ++field) {
    if (field >= record.fields.size() || !trimmed(record.fields[field]).empty()) {
      return RecordError{std::nullopt, counts()};
    }
  }
  return std::nullopt;
}

}  // namespace

RecordError firstFault(const FigureHeader& header, const FigureRecord& figure, RecordError runFault) {
  std::optional<std::size_t> first;  // the figure column
  for (std::size_t column = kNameColumn + 1; column < kFigureColumns; ++column) {
    if (first && header.fileColumn[column] > header.fileColumn[*first]) continue;
    if (readNumber(figure.columns[column]).reading != NumberReading::Number) first = column;
  }
  if (!first) return runFault;
  if (runFault.field) {
    const auto named = std::find(kFigureColumnNames.begin(), kFigureColumnNames.end(), *runFault.field);
    const auto runColumn = static_cast<std::size_t>(named - kFigureColumnNames.begin());
    if (runColumn < kFigureColumns && header.fileColumn[runColumn] <= header.fileColumn[*first]) return runFault;
  }
  const std::string& typed = figure.columns[*first];
  const std::string field = "字段 " + std::string(kFigureColumnNames[*first]);
  if (typed.empty()) return RecordError{kFigureColumnNames[*first], field + " 为空"};
  const bool outOfRange = readNumber(typed).reading == NumberReading::OutOfRange;
  return RecordError{kFigureColumnNames[*first],
                     field + " 的值 " + quotedBeginning(typed) + (outOfRange ? " 超出数值范围" : " 不是数字")};
}

std::string joinedNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : "、") + name;
  return text;
}

std::string figureHeaderLine(char separator) {
  std::string header;
  for (const std::string_view name : kFigureColumnNames) {
    if (!header.empty()) header += separator;
    header += name;
  }
  return header;
}

HeaderReading readHeader(const CsvRecord& record) {
  const std::string line = "第 " + std::to_string(record.line) + " 行";
  const std::string where = line + "的表头";
  if (record.problem != CsvProblem::None) return {std::nullopt, where + "不能读取：" + csvProblemMessage(record, "")};
  if (record.fieldCount > CsvRecordReader::kMaxKeptFields) {
    return {std::nullopt, where + "有 " + std::to_string(record.fieldCount) + " 列，多于 " +
                              std::to_string(CsvRecordReader::kMaxKeptFields) + " 列"};
  }
  FigureHeader header;
  header.fileColumn.fill(kNotInFile);
  std::vector<std::string> twice;
  for (std::size_t field = 0; field < record.fields.size(); ++field) {
    const std::string_view name = trimmed(record.fields[field]);
    header.fileColumnNames.emplace_back(name);
    const std::optional<std::size_t> column = figureColumnNamed(name);
    if (!column) {
      if (!name.empty()) header.unknownColumns.emplace_back(name);
    } else if (header.fileColumn[*column] != kNotInFile) {
      twice.emplace_back(kFigureColumnNames[*column]);
    } else {
      header.fileColumn[*column] = field;
    }
  }
  std::vector<std::string> missing;
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    if (header.fileColumn[column] == kNotInFile) missing.emplace_back(kFigureColumnNames[column]);
  }
  if (missing.size() == kFigureColumns)
    return {std::nullopt, line + "应为表头 " + figureHeaderLine() + "（列的次序不限）"};
  std::string problem;
  if (!missing.empty()) problem = "缺少列 " + joinedNames(missing);
  if (!twice.empty())
    problem += (problem.empty() ? "" : "，") + std::string("列 ") + joinedNames(twice) + " 出现了两次";
  if (problem.empty()) return {std::move(header), ""};
  return {std::nullopt, where + problem + "（应有 " + figureHeaderLine() + "，次序不限）"};
}

std::optional<std::string_view> recordName(const CsvRecord& record, const FigureHeader& header) {
  const std::size_t field = header.fileColumn[kNameColumn];
  if (field >= record.fields.size() || record.fields[field].empty()) return std::nullopt;
  if (record.problem != CsvProblem::None && record.problemField == field) return std::nullopt;
  return record.fields[field];
}

std::optional<RecordError> readFigureTexts(const CsvRecord& record, const FigureHeader& header, FigureRecord& figure) {
  if (record.problem != CsvProblem::None) {
    return RecordError{figureFieldAt(header, record.problemField),
                       csvProblemMessage(record, fieldName(header, record.problemField))};
  }
  if (std::optional<RecordError> problem = fieldCountProblem(record, header)) return problem;
  for (std::size_t column = 0; column < kFigureColumns; ++column) {
    figure.columns[column].assign(record.fields[header.fileColumn[column]]);
  }
  return std::nullopt;
}

}  // namespace velmora
