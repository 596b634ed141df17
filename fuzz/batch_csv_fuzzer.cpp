// Fuzz target: arbitrary bytes as a batch CSV file. The first byte chooses the
// output format (bit 0: CSV, else JSON Lines), the rigorous check (bit 1),
// whether the valid header line goes first (bit 2) and a survey grade whose
// checks each result carries (bits 4..6, 0 none); the rest is the file.
// Invariants: every record after the header gives one output record, a result
// or an error; every physical line of the file is accounted for (the header's,
// a record's first line, a line a record goes on to, or a skipped line); output
// numbers are never inf, nan or a negative zero; the JSON is well-formed and
// the CSV has one column count throughout.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_run.h"
#include "figure_file/figure_record.h"
#include "fuzz_failure.h"
#include "json_checks.h"
#include "text_checks.h"

namespace velmora::fuzz {
namespace {

/// The columns before the numbers of a CSV output record.
constexpr std::size_t kLeadingColumns = 4;
constexpr std::size_t kErrorMessageColumn = 3;

std::string figureHeader() { return figureHeaderLine() + '\n'; }

/// Lines as a text editor counts them: each line break ends one, and text after the last is one more.
std::size_t physicalLines(std::string_view file) {
  const auto breaks = static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n'));
  return breaks + (!file.empty() && file.back() != '\n' ? 1 : 0);
}

void checkLinesAccountedFor(std::string_view file, const BatchSummary& summary) {
  const std::size_t accounted =
      summary.headerLines + summary.figures + summary.continuationLines + summary.skippedLines;
  require(accounted == physicalLines(file), "every line is the header's, a record's or skipped", file);
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> split;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) split.push_back(line);
  return split;
}

bool contains(const std::vector<std::string>& keys, std::string_view key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void checkJsonLines(const std::string& output, const BatchSummary& summary) {
  std::size_t failed = 0;
  const std::vector<std::string> records = lines(output);
  require(records.size() == summary.figures, "one JSON record per figure", output);
  for (const std::string& record : records) {
    const std::vector<std::string> keys = jsonRecordKeys(record);
    const bool error = contains(keys, "error");
    require(!keys.empty() && keys.front() == "line", "a record starts with its line", record);
    require(error != contains(keys, "xp1"), "a record is a result or an error", record);
    if (error) ++failed;
  }
  require(failed == summary.failed, "the failures counted are those written", output);
}

/// A number written for machines: a decimal, perhaps with an exponent, never a negative zero.
bool isCleanMachineNumber(std::string_view text) {
  const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
  std::string_view exponent = text.substr(mantissa.size());
  if (!exponent.empty()) {
    exponent.remove_prefix(1);
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
    if (!isPlainDecimal(exponent) || exponent.find('.') != std::string_view::npos) return false;
  }
  return isPlainDecimal(mantissa) && !isNegativeZero(mantissa);
}

/// Whole numbers separated by blanks, as the flagged angles are written.
bool isNumberList(std::string_view text) { return text.find_first_not_of("0123456789 ") == std::string_view::npos; }

using CsvRow = std::vector<std::string>;

/// The output read strictly by RFC 4180 (records end with LF): a field holding
/// a comma, quote or line break must be quoted, and quotes inside doubled.
class StrictCsv {
 public:
  explicit StrictCsv(std::string_view text) : text_(text) {}

  std::vector<CsvRow> rows() {
    std::vector<CsvRow> rows;
    while (at_ < text_.size()) rows.push_back(row());
    return rows;
  }

 private:
  CsvRow row() {
    CsvRow fields;
    for (;;) {
      fields.push_back(at_ < text_.size() && text_[at_] == '"' ? quoted() : plain());
      require(at_ < text_.size(), "every CSV record ends with a line break", text_.substr(text_.size() - 1));
      if (text_[at_++] == '\n') return fields;
    }
  }

  std::string plain() {
    const std::size_t end = std::min(text_.find_first_of(",\n", at_), text_.size());
    const std::string_view field = text_.substr(at_, end - at_);
    require(field.find_first_of("\"\r") == std::string_view::npos, "a CSV field with a quote is quoted", field);
    at_ = end;
    return std::string(field);
  }

  std::string quoted() {
    std::string field;
    for (++at_;; ++at_) {
      require(at_ < text_.size(), "a quoted CSV field is closed", text_.substr(at_ - field.size() - 1));
      if (text_[at_] != '"') {
        field += text_[at_];
      } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
        field += text_[++at_];
      } else {
        ++at_;
        break;
      }
    }
    require(at_ < text_.size() && (text_[at_] == ',' || text_[at_] == '\n'), "a closing quote ends its field", field);
    return field;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

/// A grade column that holds a text: a grade's name (empty when none is met),
/// whether the grade passes, or a check's verdict.
bool isGradeTextColumn(std::string_view column) {
  return column == "grade_highest" || column == "grade_name" || column == "grade_passes" ||
         (column.starts_with("grade_") && column.ends_with("_verdict"));
}

bool isGradeText(std::string_view column, std::string_view value) {
  if (column == "grade_highest") return value.empty() || findSurveyGrade(value) != nullptr;
  if (column == "grade_name") return findSurveyGrade(value) != nullptr;
  if (column == "grade_passes") return value == "true" || value == "false";
  return value == "合格" || value == "超限" || value == "注意";
}

void checkCsvRecord(const CsvRow& record, const CsvRow& header) {
  require(record.size() == header.size(), "each CSV record has every column", record.front());
  const bool error = !record[kErrorMessageColumn].empty();
  for (std::size_t column = kLeadingColumns; column < header.size(); ++column) {
    const std::string& value = record[column];
    if (error) {
      require(value.empty(), "an error record has no results", value);
    } else if (header[column] == "check_flagged") {
      require(isNumberList(value), "flagged angles are whole numbers", value);
    } else if (isGradeTextColumn(header[column])) {
      require(isGradeText(header[column], value), "a grade column holds a grade, true or false, or a verdict", value);
    } else {
      require(value.empty() || isCleanMachineNumber(value), "a result column holds a clean number", value);
    }
  }
  require(error || !record[kLeadingColumns].empty(), "a result record has its results", record.front());
}

void checkCsv(const std::string& output, const BatchSummary& summary) {
  const std::vector<CsvRow> rows = StrictCsv(output).rows();
  require(!rows.empty() && rows.front().size() > kLeadingColumns, "the CSV output has a header", output);
  std::size_t failed = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    checkCsvRecord(rows[i], rows.front());
    if (!rows[i][kErrorMessageColumn].empty()) ++failed;
  }
  require(rows.size() - 1 == summary.figures && failed == summary.failed, "one CSV record per figure", output);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const std::size_t gradeChoice = (choice >> 4) % (kSurveyGrades.size() + 1);
  const BatchOptions options{.format = (choice & 1) != 0 ? BatchFormat::Csv : BatchFormat::JsonLines,
                             .check = (choice & 2) != 0,
                             .grade = gradeChoice == 0 ? nullptr : &kSurveyGrades[gradeChoice - 1]};
  std::string file = (choice & 4) != 0 ? figureHeader() : std::string();
  file.append(reinterpret_cast<const char*>(data + 1), size - 1);
  std::istringstream input(file);
  std::ostringstream output;
  const BatchSummary summary = runBatch(input, output, options, nullptr);
  require(!summary.outputFailed, "a string stream takes all the output");
  if (!summary.inputProblem.empty()) {
    require(output.str().empty() && summary.figures == 0, "a file without its header gives no output", output.str());
    return 0;
  }
  checkLinesAccountedFor(file, summary);
  if (options.format == BatchFormat::Csv) {
    checkCsv(output.str(), summary);
  } else {
    checkJsonLines(output.str(), summary);
  }
  return 0;
}
