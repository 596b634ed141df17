// The one table of result columns and the writers that walk it: golden
// outputs of the example figures with records that fail (every part, both
// formats, byte for byte), and the table's own promises that the writers rely
// on (names unique, each part's columns together and in order, program texts
// that need no escaping).
#include "output/result_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

#include "batch/batch_run.h"
#include "grade/grade_checks.h"
#include "input/utf8_text.h"

namespace velmora {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(VELMORA_SOURCE_DIR) / "tests/batch/golden";

std::string fileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

struct GoldenCase {
  const char* name;
  const char* expected;  ///< in tests/batch/golden
  BatchFormat format;
  bool check;
  const char* grade;  ///< nullptr: no --grade
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class GoldenOutput : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenOutput, IsWrittenByteForByte) {
  const GoldenCase& c = GetParam();
  std::istringstream input(fileText(kGolden / "figures-with-errors.csv"));
  std::ostringstream output;
  const BatchOptions options{
      .format = c.format, .check = c.check, .grade = c.grade ? findSurveyGrade(c.grade) : nullptr};
  const BatchSummary summary = runBatch(input, output, options, nullptr);
  EXPECT_EQ(summary.failed, 3U);
  EXPECT_EQ(output.str(), fileText(kGolden / c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, GoldenOutput,
    ::testing::Values(GoldenCase{"JsonLines", "results.jsonl", BatchFormat::JsonLines, false, nullptr},
                      GoldenCase{"JsonLinesWithCheck", "results-check.jsonl", BatchFormat::JsonLines, true, nullptr},
                      GoldenCase{"JsonLinesWithGrade", "results-grade.jsonl", BatchFormat::JsonLines, false, "二等"},
                      GoldenCase{"JsonLinesWithCheckAndGrade", "results-check-grade.jsonl", BatchFormat::JsonLines,
                                 true, "四等"},
                      GoldenCase{"Csv", "results.csv", BatchFormat::Csv, false, nullptr},
                      GoldenCase{"CsvWithCheck", "results-check.csv", BatchFormat::Csv, true, nullptr},
                      GoldenCase{"CsvWithGrade", "results-grade.csv", BatchFormat::Csv, false, "二等"},
                      GoldenCase{"CsvWithCheckAndGrade", "results-check-grade.csv", BatchFormat::Csv, true, "四等"}),
    [](const ::testing::TestParamInfo<GoldenCase>& row) { return std::string(row.param.name); });

TEST(ResultColumns, CsvNamesAndJsonPlacesAreEachUsedOnce) {
  std::set<std::string_view> csvNames;
  std::set<std::pair<std::string_view, std::string_view>> jsonPlaces;
  for (const ResultColumn& column : resultColumns()) {
    EXPECT_TRUE(csvNames.insert(column.csvName).second) << column.csvName;
    EXPECT_TRUE(jsonPlaces.insert({column.jsonObject, column.jsonKey}).second)
        << column.jsonObject << " " << column.jsonKey;
  }
}

// The writers lay each part out as one block: a part's columns may not be split by another's.
TEST(ResultColumns, EachPartIsOneBlockInTheOrderOfTheParts) {
  const std::span<const ResultColumn> columns = resultColumns();
  EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end(),
                             [](const ResultColumn& a, const ResultColumn& b) { return a.part < b.part; }));
  EXPECT_EQ(columns.front().part, ResultPart::Adjustment);
  EXPECT_EQ(columns.back().part, ResultPart::GradeChecks);
}

// Each grade check has its value, limit and verdict, under its stable key, in the order of its rows.
TEST(ResultColumns, GradeChecksFollowTheAssessmentRows) {
  std::vector<std::string> names;
  for (const ResultColumn& column : resultColumns()) {
    if (column.part == ResultPart::GradeChecks && column.jsonObject.starts_with("grade.checks.")) {
      EXPECT_EQ(column.jsonObject.substr(13), kGradeCheckKeys[column.row]);
      names.emplace_back(column.csvName);
    }
  }
  ASSERT_EQ(names.size(), 3 * kGradeCheckCount);
  EXPECT_EQ(names[0], "grade_w1_value");
  EXPECT_EQ(names[1], "grade_w1_limit");
  EXPECT_EQ(names[2], "grade_w1_verdict");
  EXPECT_EQ(names.back(), "grade_smallestAngle_verdict");
}

// The writers put a program text as it is, without escaping: every one must be safe so.
TEST(ResultColumns, ProgramTextsNeedNoEscapingInJsonOrCsv) {
  std::vector<std::string_view> texts;
  for (const SurveyGrade& grade : kSurveyGrades) texts.push_back(grade.name);
  for (const Verdict verdict : {Verdict::Pass, Verdict::Exceeds, Verdict::Note}) texts.push_back(verdictText(verdict));
  for (const std::string_view text : texts) {
    EXPECT_TRUE(isValidUtf8(text)) << text;
    EXPECT_EQ(text.find_first_of("\"\\,;\t\r\n"), std::string_view::npos) << text;
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < 0x20; })) << text;
  }
}

}  // namespace
}  // namespace velmora
