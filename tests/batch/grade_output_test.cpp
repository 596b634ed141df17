// The survey grade in batch output: the highest grade met with --check or
// --grade, each check's value, limit and verdict for --grade's grade, the same
// in JSON Lines and CSV, and columns that stay aligned on error records.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch/batch_run.h"
#include "json_fields.h"

namespace velmora {
namespace {

std::string examplesFile() {
  std::ifstream file(std::filesystem::path(VELMORA_SOURCE_DIR) / "examples/figures.csv", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> recordsOf(const std::string& file, const BatchOptions& options) {
  std::istringstream input(file);
  std::ostringstream output;
  runBatch(input, output, options, nullptr);
  std::vector<std::string> records;
  std::istringstream lines(output.str());
  for (std::string line; std::getline(lines, line);) records.push_back(line);
  return records;
}

std::vector<std::string> csvFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
  if (line.ends_with(',')) fields.emplace_back();
  return fields;
}

/// The highest grade met by P7, Q1, Q2, Q3, Q4 and Q5, in the order of the file.
const std::vector<std::string> kExpectedHighest = {"\"三等\"", "\"二等\"", "\"三等\"", "\"三等\"", "\"三等\"", "null"};

struct PartsCase {
  const char* name;
  bool check;
  const char* grade;  ///< nullptr: no --grade
  bool highest;       ///< records carry the highest grade met
  bool checks;        ///< records carry each check
};

void PrintTo(const PartsCase& c, std::ostream* os) { *os << c.name; }

class GradeParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(GradeParts, JsonLinesCarryWhatWasAskedFor) {
  const PartsCase& c = GetParam();
  const BatchOptions options{
      .format = BatchFormat::JsonLines, .check = c.check, .grade = c.grade ? findSurveyGrade(c.grade) : nullptr};
  const std::vector<std::string> records = recordsOf(examplesFile(), options);
  ASSERT_EQ(records.size(), kExpectedHighest.size());
  for (std::size_t n = 0; n < records.size(); ++n) {
    const std::string& r = records[n];
    EXPECT_EQ(r.find("\"check\":{") != std::string::npos, c.check) << r;
    EXPECT_EQ(r.find("\"grade\":{") != std::string::npos, c.highest) << r;
    EXPECT_EQ(r.find("\"checks\":{") != std::string::npos, c.checks) << r;
    if (c.highest) {
      EXPECT_EQ(jsonValueText(r, "highest"), kExpectedHighest[n]) << r;
    }
  }
}

TEST_P(GradeParts, CsvHasOneColumnPerHeaderNameOnResultsAndErrors) {
  const PartsCase& c = GetParam();
  const BatchOptions options{
      .format = BatchFormat::Csv, .check = c.check, .grade = c.grade ? findSurveyGrade(c.grade) : nullptr};
  const std::vector<std::string> records = recordsOf(examplesFile() + "bad,1\n", options);
  ASSERT_EQ(records.size(), 1 + kExpectedHighest.size() + 1);
  const std::vector<std::string> header = csvFields(records[0]);
  for (const std::string& record : records) EXPECT_EQ(csvFields(record).size(), header.size()) << record;
  const auto column = std::find(header.begin(), header.end(), "grade_highest");
  ASSERT_EQ(column != header.end(), c.highest);
  EXPECT_EQ(std::find(header.begin(), header.end(), "grade_secondGroupW4_verdict") != header.end(), c.checks);
  if (!c.highest) return;
  const auto at = static_cast<std::size_t>(column - header.begin());
  for (std::size_t n = 0; n < kExpectedHighest.size(); ++n) {
    const std::string expected =
        kExpectedHighest[n] == "null" ? "" : kExpectedHighest[n].substr(1, kExpectedHighest[n].size() - 2);
    EXPECT_EQ(csvFields(records[1 + n])[at], expected) << records[1 + n];
  }
  EXPECT_EQ(csvFields(records.back())[at], "");  // the error record
}

INSTANTIATE_TEST_SUITE_P(Options, GradeParts,
                         ::testing::Values(PartsCase{"Plain", false, nullptr, false, false},
                                           PartsCase{"Check", true, nullptr, true, false},
                                           PartsCase{"GradeAlone", false, "四等", true, true},
                                           PartsCase{"CheckAndGrade", true, "一级", true, true}),
                         [](const ::testing::TestParamInfo<PartsCase>& row) { return std::string(row.param.name); });

/// The object of one check in a JSON record.
std::string checkObject(const std::string& record, const std::string& key) {
  const std::size_t at = record.find("\"" + key + "\":{\"value\"");
  if (at == std::string::npos) return "";
  return record.substr(at, record.find('}', at) - at + 1);
}

TEST(GradeFields, BlunderFigureFailsFourthOrderOnTheRightChecks) {
  const BatchOptions options{.format = BatchFormat::JsonLines, .grade = findSurveyGrade("四等")};
  const std::string q5 = recordsOf(examplesFile(), options).back();
  EXPECT_NE(q5.find("\"name\":\"四等\",\"passes\":false"), std::string::npos) << q5;
  for (const char* failed : {"w2", "mb", "secondGroupW2", "secondGroupW3"}) {
    EXPECT_NE(checkObject(q5, failed).find("\"verdict\":\"超限\""), std::string::npos) << failed << ": " << q5;
  }
  for (const char* passed : {"w1", "w3", "secondGroupW1", "secondGroupW4"}) {
    EXPECT_NE(checkObject(q5, passed).find("\"verdict\":\"合格\""), std::string::npos) << passed << ": " << q5;
  }
  EXPECT_NE(checkObject(q5, "mBeta").find("\"verdict\":\"注意\""), std::string::npos);
  EXPECT_EQ(checkObject(q5, "w2"), "\"w2\":{\"value\":60.6,\"limit\":9,\"verdict\":\"超限\"}");
}

// A value the result stores as a single reads as that single, the same text as its own key.
TEST(GradeFields, SingleValuesAreWrittenAsTheResultWritesThem) {
  const BatchOptions options{.format = BatchFormat::JsonLines, .grade = findSurveyGrade("二等")};
  const std::string p7 = recordsOf(examplesFile(), options).front();
  EXPECT_EQ(jsonValueText(checkObject(p7, "mb"), "value"), jsonValueText(p7, "mb"));
  EXPECT_EQ(jsonValueText(checkObject(p7, "secondGroupW2"), "value"), "-4.170882");
  EXPECT_EQ(jsonValueText(checkObject(p7, "secondGroupW1"), "limit"), "2.8284271247461903");
}

}  // namespace
}  // namespace velmora
