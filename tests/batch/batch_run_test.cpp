#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "engine/number_text.h"
#include "figure_factory.h"
#include "json_fields.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

struct BatchOutput {
  BatchSummary summary;
  std::vector<std::string> records;
};

BatchOutput runOn(const std::string& file, BatchOptions options = {}) {
  std::istringstream input(file);
  std::ostringstream output;
  BatchOutput result;
  result.summary = runBatch(input, output, options, nullptr);
  result.records = lines(output.str());
  return result;
}

std::vector<figures::Figure> someFigures(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<figures::Figure> result;
  for (std::size_t n = 0; n < count; ++n) {
    result.push_back(figures::randomFigure(random, {.noiseSeconds = 2.0}, "P" + std::to_string(n + 1)));
  }
  return result;
}

std::string fileOf(const std::vector<std::string>& recordLines, const std::string& ending = "\n") {
  std::string file = figures::csvHeader() + ending;
  for (const std::string& line : recordLines) file += line + ending;
  return file;
}

TEST(BatchRun, RecordEqualsTheInteractiveRunDigitForDigit) {
  const std::vector<figures::Figure> figures = someFigures(8, 42);
  std::vector<std::string> csv;
  for (const figures::Figure& f : figures) csv.push_back(figures::csvLine(f));
  const BatchOutput batch = runOn(fileOf(csv));
  ASSERT_EQ(batch.records.size(), figures.size());
  for (std::size_t n = 0; n < figures.size(); ++n) {
    const std::string& r = batch.records[n];
    AdjustmentState s;
    RecordingWindow window(figures::confirmedReplies(figures[n]));
    ASSERT_EQ(computeRun(s, window).end, RunEnd::Complete);

    EXPECT_EQ(jsonNumber<std::size_t>(r, "line"), n + 2);
    EXPECT_EQ(jsonValueText(r, "name"), "\"" + figures[n].name + "\"");
    // The very numbers the interactive run stored, read back from their texts.
    const std::pair<const char*, double> doubles[] = {{"invPb", s.invPb}, {"invPs", s.invPs}, {"xp1", s.xp1},
                                                      {"yp1", s.yp1},     {"xp2", s.xp2},     {"yp2", s.yp2},
                                                      {"xp3", s.xp3},     {"yp3", s.yp3}};
    for (const auto& [key, value] : doubles) EXPECT_EQ(jsonNumber<double>(r, key), value) << key;
    EXPECT_EQ(jsonNumber<float>(r, "mb"), s.mb);
    EXPECT_EQ(jsonNumber<float>(r, "md"), s.md);
    EXPECT_EQ(jsonNumber<float>(r, "m"), *s.m);
    EXPECT_EQ(jsonArray<float>(r, "w"), std::vector<float>(s.w.begin(), s.w.end()));
    EXPECT_EQ(jsonArray<float>(r, "secondGroupW"), std::vector<float>(s.secondGroupW.begin(), s.secondGroupW.end()));
    EXPECT_EQ(jsonArray<double>(r, "k"), std::vector<double>(s.k.begin(), s.k.end()));
    EXPECT_EQ(jsonArray<double>(r, "centralAngle"), std::vector<double>(s.centralAngle.begin(), s.centralAngle.end()));

    // And the window's result fields, made from the batch's numbers.
    const std::pair<const char*, const char*> coordinateFields[] = {{"xp1", "Text19"}, {"yp1", "Text20"},
                                                                    {"xp2", "Text5"},  {"yp2", "Text22"},
                                                                    {"xp3", "Text23"}, {"yp3", "Text24"}};
    for (const auto& [key, field] : coordinateFields) {
      EXPECT_EQ(" " + fixedText(jsonNumber<double>(r, key), 3), window.lastText(field)) << key;
    }
    EXPECT_EQ("  " + fixedText(jsonNumber<float>(r, "mb"), 2) + " 秒", window.lastText("Text14"));
    EXPECT_EQ("  " + fixedText(jsonNumber<float>(r, "md"), 2) + " 毫米", window.lastText("Text17"));
    EXPECT_EQ(" 1/" + relativeErrorDenominatorText(jsonNumber<float>(r, "m")), window.lastText("Text26"));
    EXPECT_EQ(" " + plainRoundedText(jsonNumber<double>(r, "invPb"), 6), window.lastText("Text15"));
  }
}

TEST(BatchRun, CrlfFileGivesTheSameRecords) {
  std::vector<std::string> csv;
  for (const figures::Figure& f : someFigures(3, 7)) csv.push_back(figures::csvLine(f));
  EXPECT_EQ(runOn(fileOf(csv, "\r\n")).records, runOn(fileOf(csv)).records);
}

struct BadRecordCase {
  const char* name;
  std::string record;
  const char* field;  ///< the JSON text of error.field
  const char* messagePart;
};

/// A good figure's record named "bad", with some columns replaced.
std::string lineWith(const figures::Figure& f, std::initializer_list<std::pair<std::size_t, const char*>> changes) {
  std::vector<std::string> columns{"bad"};
  for (const std::string& c : f.coordinateTexts) columns.push_back(c);
  for (const std::string& a : f.angleTexts) columns.push_back(a);
  for (const auto& [column, text] : changes) columns[column] = text;
  std::string line;
  for (const std::string& c : columns) line += (line.empty() ? "" : ",") + c;
  return line;
}

TEST(BatchRun, BadRecordsGiveErrorRecordsAndTheBatchGoesOn) {
  const figures::Figure f = someFigures(1, 3).front();
  const std::string grossA1 = figures::packedDms(f.trueDegrees[0] + 0.5, 2);
  const std::array<std::string, 6>& xy = f.coordinateTexts;
  const BadRecordCase cases[] = {
      {"too few fields", "bad,1,2,3", "\"yb\"", "4 个字段"},
      {"too many fields", figures::csvLine(f) + ",17", "null", "17 个字段"},
      {"not a number", lineWith(f, {{11, "12.3O45"}}), "\"b2\"", "不是数字"},
      {"empty coordinate", lineWith(f, {{1, ""}}), "\"xa\"", "不是数字"},
      {"first bad field in column order, not in the run's order", lineWith(f, {{2, "y"}, {7, "x"}}), "\"ya\"",
       "“y” 不是数字"},
      {"a record of blanks after the name", "bad" + std::string(15, ','), "\"xa\"", "为空"},
      {"text after a closing quote", "\"bad\"x" + figures::csvLine(f).substr(figures::csvLine(f).find(',')), "\"name\"",
       "右引号后还有字符"},
      {"beyond a double", lineWith(f, {{4, "1e999"}}), "\"yb\"", "超出数值范围"},
      {"zero central angle", lineWith(f, {{7, "90"}, {8, "90"}, {9, "0"}}), "\"c1\"", "C(1)"},
      {"zero distance angle", lineWith(f, {{13, "0"}, {14, "0"}, {15, "180"}}), "\"a3\"", "A(3)"},
      {"minutes of 60", lineWith(f, {{8, "33.6000"}}), "\"b1\"", "分必须小于 60"},
      // A fault of several values names no column.
      {"gross triangle misclosure", lineWith(f, {{7, grossA1.c_str()}}), "null", "闭合差 w(1) = "},
      {"all coordinates zero", lineWith(f, {{1, "0"}, {2, "0"}, {3, "0"}, {4, "0"}, {5, "0"}, {6, "0"}}), "null",
       "已知点 A 与 B 重合"},
      {"A and B swapped", lineWith(f, {{1, xy[2].c_str()}, {2, xy[3].c_str()}, {3, xy[0].c_str()}, {4, xy[1].c_str()}}),
       "null", "应按顺时针方向编号"},
      {"unclosed quote: costs its line only", "\"bad,1,2", "\"name\"", "引号"},
  };
  for (const BadRecordCase& c : cases) {
    const std::string good = figures::csvLine(f);
    const BatchOutput batch = runOn(fileOf({good, c.record, good}));
    ASSERT_EQ(batch.records.size(), 3U) << c.name;
    EXPECT_EQ(batch.summary.failed, 1U) << c.name;
    const std::string& error = batch.records[1];
    EXPECT_EQ(jsonNumber<std::size_t>(error, "line"), 3U) << c.name;
    EXPECT_EQ(jsonValueText(error, "field"), c.field) << c.name << ": " << error;
    EXPECT_NE(error.find(c.messagePart), std::string::npos) << c.name << ": " << error;
    EXPECT_EQ(error.find("\"xp1\""), std::string::npos) << c.name;
    EXPECT_EQ(batch.records[0].find("\"error\""), std::string::npos) << c.name;
    if (batch.records.size() == 3) {
      EXPECT_EQ(batch.records[2].substr(10), batch.records[0].substr(10)) << c.name;
    }
  }
}

TEST(BatchRun, LinesCountBlankLinesAndLineBreaksInsideQuotes) {
  const figures::Figure f = someFigures(1, 5).front();
  const std::string line = figures::csvLine(f);
  const std::string quotedName = "\"P,\n\"\"7\"\"\"" + line.substr(line.find(','));
  const BatchOutput batch = runOn(figures::csvHeader() + "\n\n" + quotedName + "\n\n" + line + "\n");
  ASSERT_EQ(batch.records.size(), 2U);
  EXPECT_EQ(jsonNumber<std::size_t>(batch.records[0], "line"), 3U);
  EXPECT_NE(batch.records[0].find(R"("name":"P,\n\"7\"",)"), std::string::npos) << batch.records[0];
  EXPECT_EQ(jsonNumber<std::size_t>(batch.records[1], "line"), 6U);
}

TEST(BatchRun, FileWithoutItsHeaderIsRefusedWhole) {
  const std::string line = figures::csvLine(someFigures(1, 5).front());
  const std::pair<const char*, std::string> cases[] = {
      {"empty file", ""},
      {"no header", line + "\n"},
      {"misspelt header", "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c4\n" + line + "\n"},
  };
  for (const auto& [name, file] : cases) {
    const BatchOutput batch = runOn(file);
    EXPECT_FALSE(batch.summary.inputProblem.empty()) << name;
    EXPECT_TRUE(batch.records.empty()) << name;
  }
  const BatchOutput withMark = runOn("\xEF\xBB\xBF" + figures::csvHeader() + "\n" + line + "\n");
  EXPECT_TRUE(withMark.summary.inputProblem.empty());
  EXPECT_EQ(withMark.records.size(), 1U);
}

TEST(BatchRun, CsvOutputHasOneColumnPerHeaderName) {
  const figures::Figure f = someFigures(1, 9).front();
  for (const bool check : {false, true}) {
    const BatchOutput batch = runOn(fileOf({figures::csvLine(f), "bad,1"}), {BatchFormat::Csv, check});
    ASSERT_EQ(batch.records.size(), 3U);
    const auto columns = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    EXPECT_EQ(columns(batch.records[1]), columns(batch.records[0])) << check;
    EXPECT_EQ(columns(batch.records[2]), columns(batch.records[0])) << check;
    EXPECT_EQ(batch.records[0].find("check_xp") != std::string::npos, check);
    EXPECT_TRUE(batch.records[2].starts_with("3,bad,ya,")) << batch.records[2];
  }
}

TEST(BatchRun, CheckObjectFollowsTheResults) {
  const figures::Figure f = someFigures(1, 13).front();
  const BatchOutput batch = runOn(fileOf({figures::csvLine(f)}), {BatchFormat::JsonLines, true});
  ASSERT_EQ(batch.records.size(), 1U);
  const std::string& r = batch.records[0];
  EXPECT_NEAR(jsonNumber<double>(r, "xp"), f.p.x, 0.01);
  EXPECT_NEAR(jsonNumber<double>(r, "yp"), f.p.y, 0.01);
  EXPECT_EQ(jsonArray<double>(r, "residuals").size(), 9U);
  EXPECT_EQ(jsonArray<double>(r, "redundancy").size(), 9U);
  EXPECT_EQ(jsonArray<double>(r, "standardized").size(), 9U);
  EXPECT_NE(r.find("\"ellipse\":{\"a\":"), std::string::npos);
  EXPECT_NE(r.find("\"flagged\":[]"), std::string::npos);
  EXPECT_GE(jsonNumber<int>(r, "iterations"), 1);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST(BatchRun, OutputIsTheSameByteForByteOnAnyNumberOfThreads) {
  std::mt19937_64 random(21);
  std::string file = figures::csvHeader() + "\n";
  for (int n = 1; n <= 1300; ++n) {
    // Every seventh figure with a blunder of a minute, some of them a stop beyond 10 minutes.
    const figures::FigureOptions options{.noiseSeconds = 1.5,
                                         .grossAngle = n % 7 == 0 ? static_cast<std::size_t>(n % 9 + 1) : 0,
                                         .grossSeconds = n % 5 == 0 ? 900.0 : 60.0};
    file += figures::csvLine(figures::randomFigure(random, options, "P" + std::to_string(n))) + "\n";
    if (n % 97 == 0) file += "bad," + std::to_string(n) + "\n,,,\n";
    if (n % 211 == 0) file += "\"stray" + std::to_string(n) + ",1\n";
  }
  for (const BatchFormat format : {BatchFormat::JsonLines, BatchFormat::Csv}) {
    for (const bool check : {false, true}) {
      std::string single;
      for (const std::size_t jobs : {1, 2, 3}) {
        std::istringstream input(file);
        std::ostringstream output;
        const BatchSummary summary = runBatch(input, output, {format, check, TextEncoding::Automatic, jobs}, nullptr);
        EXPECT_EQ(summary.figures, 1300U + 13U + 6U);
        if (jobs == 1) single = output.str();
        EXPECT_EQ(output.str(), single) << jobs << " jobs, check " << check;
      }
    }
  }
}

}  // namespace
}  // namespace velmora
