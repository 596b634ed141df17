// check after compute judges the run against a survey grade and, with --plot,
// draws it: the table for --grade G or for the highest grade met, the line
// naming the highest grade, the SVG file, and the usage errors of both options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_arguments.h"
#include "console_session.h"
#include "example_figures.h"

namespace velmora {
namespace {

struct Outcome {
  int status = 0;
  std::string out, err;
};

Outcome runCli(const std::vector<std::string>& arguments, const std::string& figureName) {
  const ParsedArguments parsed = parseCliArguments(arguments);
  EXPECT_TRUE(parsed.arguments) << parsed.error;
  if (!parsed.arguments) return {kExitUsage, "", parsed.error};
  std::string replies;
  for (const std::string& reply : figures::confirmedReplies(exampleFigure(figureName))) replies += reply + "\n";
  std::istringstream in(replies);
  std::ostringstream out, err;
  const int status = runConsoleSession(*parsed.arguments, in, false, out, err);
  return {status, out.str(), err.str()};
}

/// The line of the output that starts with `start`, or the empty text.
std::string lineStarting(const std::string& text, const std::string& start) {
  const std::size_t at = text.find("\n" + start);
  if (at == std::string::npos) return "";
  return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

struct GradeTableCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* figure;
  const char* heading;  ///< start of the table's first line
  const char* highest;
  std::vector<const char*> exceeding;  ///< row starts whose verdict is 超限
};

void PrintTo(const GradeTableCase& c, std::ostream* os) { *os << c.name; }

class GradeTable : public ::testing::TestWithParam<GradeTableCase> {};

TEST_P(GradeTable, FollowsTheRigorousCheck) {
  const GradeTableCase& c = GetParam();
  const Outcome run = runCli(c.arguments, c.figure);
  EXPECT_EQ(run.status, kExitCompleted) << run.err;
  const std::size_t check = run.out.find("粗差标记");
  const std::size_t at = run.out.find(std::string("\n") + c.heading);
  ASSERT_NE(at, std::string::npos) << run.out;
  EXPECT_LT(check, at);
  const std::string table = run.out.substr(at);
  EXPECT_TRUE(table.ends_with(std::string("\n满足的最高等级：") + c.highest + "\n")) << table;
  std::size_t exceeded = 0;
  for (std::size_t k = table.find("超限"); k != std::string::npos; k = table.find("超限", k + 1)) ++exceeded;
  EXPECT_EQ(exceeded, c.exceeding.size()) << table;
  for (const char* row : c.exceeding) {
    EXPECT_TRUE(lineStarting(table, row).ends_with("超限")) << row << "\n" << table;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GradeTable,
    ::testing::Values(
        GradeTableCase{"SampleForItsHighestGrade", {"compute", "check"}, "P7", "等级检核（三等", "三等", {}},
        GradeTableCase{"SampleForSecondOrder",
                       {"--grade", "二等", "compute", "check"},
                       "P7",
                       "等级检核（二等",
                       "三等",
                       {"测角中误差 mb", "固定角闭合差 w2"}},
        GradeTableCase{
            "BlunderForTheLoosestGrade", {"compute", "check"}, "Q5", "等级检核（图根", "无", {"三角形闭合差 w(2)"}},
        GradeTableCase{"BlunderForFourthOrder",
                       {"compute", "check", "--grade", "四等"},
                       "Q5",
                       "等级检核（四等",
                       "无",
                       {"三角形闭合差 w(2)", "测角中误差 mb", "固定角闭合差 w2", "圆周角闭合差 w3"}}),
    [](const ::testing::TestParamInfo<GradeTableCase>& row) { return std::string(row.param.name); });

struct UsageCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* messageHolds;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class GradeAndPlotUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(GradeAndPlotUsage, IsAUsageErrorNamingTheFault) {
  const ParsedArguments parsed = parseCliArguments(GetParam().arguments);
  EXPECT_FALSE(parsed.arguments.has_value());
  EXPECT_NE(parsed.error.find(GetParam().messageHolds), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, GradeAndPlotUsage,
    ::testing::Values(UsageCase{"UnknownGrade",
                                {"--grade", "五等", "compute", "check"},
                                "五等（可用的等级：二等、三等、四等、一级、二级、图根）"},
                      UsageCase{"GradeWithoutName", {"compute", "--grade"}, "二等、三等、四等、一级、二级、图根"},
                      UsageCase{"UnknownGradeInBatch", {"batch", "f.csv", "--grade", "3等"}, "可用的等级"},
                      UsageCase{"PlotWithoutCheck", {"--plot", "p.svg", "compute", "print"}, "check"},
                      UsageCase{"PlotWithoutCommands", {"--plot", "p.svg"}, "check"},
                      UsageCase{"PlotWithoutFile", {"compute", "check", "--plot"}, "文件名"}),
    [](const ::testing::TestParamInfo<UsageCase>& row) { return std::string(row.param.name); });

TEST(GradeOption, NamesTheGradeForTheConsoleAndForABatch) {
  const ParsedArguments console = parseCliArguments({"--grade", "一级", "compute", "check", "--plot", "p.svg"});
  ASSERT_TRUE(console.arguments) << console.error;
  EXPECT_EQ(console.arguments->grade, findSurveyGrade("一级"));
  EXPECT_EQ(console.arguments->plotFile, "p.svg");
  const ParsedArguments batch = parseCliArguments({"batch", "f.csv", "--grade", "图根", "--check"});
  ASSERT_TRUE(batch.arguments && batch.arguments->batch) << batch.error;
  EXPECT_EQ(batch.arguments->batch->options.grade, findSurveyGrade("图根"));
  EXPECT_TRUE(batch.arguments->batch->options.check);
}

TEST(PlotOption, CheckWritesTheFiguresSvg) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-grade-console-plot.svg";
  std::filesystem::remove(file);
  const Outcome run = runCli({"--plot", file.string(), "compute", "check"}, "P7");
  EXPECT_EQ(run.status, kExitCompleted) << run.err;
  std::ifstream in(file, std::ios::binary);
  const std::string svg(std::istreambuf_iterator<char>(in), {});
  EXPECT_TRUE(svg.starts_with("<?xml")) << svg.substr(0, 40);
  EXPECT_NE(svg.find(">P7</text>"), std::string::npos);
  EXPECT_NE(svg.find("满足的最高等级：三等"), std::string::npos);
  std::filesystem::remove(file);
}

TEST(PlotOption, UnwritableFileIsToldWithTheWriteStatus) {
  const Outcome run = runCli({"--plot", "/nonexistent-folder/p.svg", "compute", "check"}, "P7");
  EXPECT_EQ(run.status, kExitCannotWrite);
  EXPECT_NE(run.err.find("/nonexistent-folder/p.svg"), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("满足的最高等级：三等"), std::string::npos);  // the check itself was shown
}

TEST(PlotOption, RefusedCheckWritesNoFile) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "velmora-grade-console-refused.svg";
  std::filesystem::remove(file);
  const ParsedArguments parsed = parseCliArguments({"--plot", file.string(), "check"});
  ASSERT_TRUE(parsed.arguments);
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(runConsoleSession(*parsed.arguments, in, false, out, err), kExitPrintRefused);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace velmora
