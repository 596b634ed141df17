#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "batch_command.h"
#include "cli_arguments.h"
#include "console_session.h"
#include "figure_factory.h"

namespace velmora {
namespace {

struct BatchArgumentsCase {
  std::vector<std::string> arguments;
  bool valid;
  std::string file;
  BatchFormat format;
  bool check;
};

TEST(BatchCli, Arguments) {
  const BatchArgumentsCase cases[] = {
      {{"batch", "f.csv"}, true, "f.csv", BatchFormat::JsonLines, false},
      {{"batch", "-", "--format", "csv"}, true, "-", BatchFormat::Csv, false},
      {{"batch", "--check", "f.csv", "--format", "jsonl"}, true, "f.csv", BatchFormat::JsonLines, true},
      {{"batch"}, false, "", BatchFormat::JsonLines, false},
      {{"batch", "f.csv", "g.csv"}, false, "", BatchFormat::JsonLines, false},
      {{"batch", "f.csv", "--format", "xml"}, false, "", BatchFormat::JsonLines, false},
      {{"batch", "f.csv", "--format"}, false, "", BatchFormat::JsonLines, false},
      {{"batch", "f.csv", "--trace"}, false, "", BatchFormat::JsonLines, false},
  };
  for (const BatchArgumentsCase& c : cases) {
    const ParsedArguments parsed = parseCliArguments(c.arguments);
    ASSERT_EQ(parsed.arguments.has_value(), c.valid) << c.arguments.back();
    if (!c.valid) continue;
    ASSERT_TRUE(parsed.arguments->batch.has_value());
    EXPECT_EQ(parsed.arguments->batch->file, c.file);
    EXPECT_EQ(parsed.arguments->batch->format, c.format);
    EXPECT_EQ(parsed.arguments->batch->check, c.check);
  }
  const ParsedArguments check = parseCliArguments({"compute", "check"});
  ASSERT_TRUE(check.arguments.has_value());
  EXPECT_EQ(check.arguments->commands, (std::vector<CliCommand>{CliCommand::Compute, CliCommand::Check}));
}

struct SessionRun {
  int status;
  std::string out, err;
};

SessionRun session(const std::vector<std::string>& arguments, const std::string& replies) {
  const ParsedArguments parsed = parseCliArguments(arguments);
  std::istringstream input(replies);
  std::ostringstream out, err;
  const int status = runConsoleSession(*parsed.arguments, input, false, out, err);
  return {status, out.str(), err.str()};
}

std::string repliesOf(const figures::Figure& figure) {
  std::string text;
  for (const std::string& reply : figures::confirmedReplies(figure)) text += reply + "\n";
  return text;
}

TEST(CheckCommand, AfterComputeShowsTheRigorousCheck) {
  std::mt19937_64 random(8);
  const figures::Figure f =
      figures::randomFigure(random, {.noiseSeconds = 1.5, .grossAngle = 5, .grossSeconds = 60.0}, "P9");
  const SessionRun run = session({"compute", "check"}, repliesOf(f));
  EXPECT_EQ(run.status, kExitCompleted) << run.err;
  EXPECT_NE(run.out.find("严密平差检核"), std::string::npos);
  EXPECT_NE(run.out.find("单位权中误差 m0"), std::string::npos);
  EXPECT_NE(run.out.find("粗差标记（|标准化残差| > 3.29） : B(2)\n"), std::string::npos) << run.out;
}

TEST(CheckCommand, IsRefusedWithoutACompleteRun) {
  const SessionRun before = session({"check"}, "");
  EXPECT_EQ(before.status, kExitPrintRefused);
  EXPECT_TRUE(before.out.empty());
  const SessionRun stopped = session({"compute", "check"}, "1\n\n2\n");
  EXPECT_EQ(stopped.status, kExitRepliesRanOut);
  EXPECT_EQ(stopped.out.find("严密平差检核"), std::string::npos);
}

TEST(BatchCommand, ExitStatusSaysWhetherARecordFailed) {
  std::mt19937_64 random(4);
  const std::string good = figures::csvLine(figures::randomFigure(random, {}, "P1"));
  const std::string path = ::testing::TempDir() + "velmora_batch_cli_test.csv";
  const std::pair<std::string, int> cases[] = {
      {figures::csvHeader() + "\n" + good + "\n", kExitCompleted},
      {figures::csvHeader() + "\n" + good + "\nP2,1\n", kExitRecordFailed},
      {"no header\n", kExitUsage},
  };
  for (const auto& [file, status] : cases) {
    std::ofstream(path, std::ios::binary) << file;
    std::ostringstream out, err;
    EXPECT_EQ(runBatchCommand({path, BatchFormat::JsonLines, false}, out, err, false), status) << file;
  }
  std::ostringstream out, err;
  EXPECT_EQ(runBatchCommand({path + ".missing", BatchFormat::JsonLines, false}, out, err, false), kExitCannotRead);
}

}  // namespace
}  // namespace velmora
