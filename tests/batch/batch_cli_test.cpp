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

struct OptionCase {
  const char* name;
  std::vector<std::string> arguments;
  bool valid;
  CliInformation information = CliInformation::None;
  TextEncoding encoding = TextEncoding::Automatic;
  std::size_t jobs = 0;
};

TEST(CliArguments, EncodingJobsHelpAndVersion) {
  const OptionCase cases[] = {
      {"help wins over the rest", {"batch", "f.csv", "--jobs", "0", "--help"}, true, CliInformation::Help},
      {"short help", {"-h"}, true, CliInformation::Help},
      {"version", {"compute", "--version"}, true, CliInformation::Version},
      {"replies encoding", {"--encoding", "GB18030", "compute"}, true, CliInformation::None, TextEncoding::Gb18030},
      {"batch encoding", {"batch", "f.csv", "--encoding", "utf-8"}, true, CliInformation::None, TextEncoding::Utf8},
      {"unknown encoding", {"--encoding", "latin1"}, false},
      {"encoding without a name", {"batch", "f.csv", "--encoding"}, false},
      {"jobs", {"batch", "f.csv", "--jobs", "3"}, true, CliInformation::None, TextEncoding::Automatic, 3},
      {"jobs default: one per core", {"batch", "f.csv"}, true},
      {"no jobs", {"batch", "f.csv", "--jobs", "0"}, false},
      {"jobs not a number", {"batch", "f.csv", "--jobs", "2x"}, false},
      {"jobs without a count", {"batch", "f.csv", "--jobs"}, false},
      {"jobs outside batch", {"--jobs", "2"}, false},
  };
  for (const OptionCase& c : cases) {
    const ParsedArguments parsed = parseCliArguments(c.arguments);
    ASSERT_EQ(parsed.arguments.has_value(), c.valid) << c.name << ": " << parsed.error;
    if (!c.valid) {
      EXPECT_FALSE(parsed.error.empty()) << c.name;
      continue;
    }
    EXPECT_EQ(parsed.arguments->information, c.information) << c.name;
    if (c.information != CliInformation::None) continue;
    const bool batch = parsed.arguments->batch.has_value();
    EXPECT_EQ(batch ? parsed.arguments->batch->options.encoding : parsed.arguments->encoding, c.encoding) << c.name;
    if (batch) {
      EXPECT_EQ(parsed.arguments->batch->options.jobs, c.jobs) << c.name;
    }
  }
}

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
    EXPECT_EQ(parsed.arguments->batch->options.format, c.format);
    EXPECT_EQ(parsed.arguments->batch->options.check, c.check);
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
    EXPECT_EQ(runBatchCommand({.file = path}, out, err, false), status) << file;
  }
  std::ostringstream out, err;
  EXPECT_EQ(runBatchCommand({.file = path + ".missing"}, out, err, false), kExitCannotRead);
}

// Regression: the command copied its options into the batch's by position, so a
// reordered member would have gone to the wrong option. Every option parsed reaches the batch.
TEST(BatchCommand, EveryOptionParsedReachesTheBatch) {
  std::mt19937_64 random(5);
  const std::string path = ::testing::TempDir() + "velmora_batch_options_test.csv";
  std::ofstream(path, std::ios::binary) << figures::csvHeader() << '\n'
                                        << figures::csvLine(figures::randomFigure(random, {}, "P1")) << '\n';
  const ParsedArguments parsed = parseCliArguments(
      {"batch", path, "--format", "csv", "--check", "--grade", "一级", "--encoding", "utf-8", "--jobs", "2"});
  ASSERT_TRUE(parsed.arguments && parsed.arguments->batch) << parsed.error;
  std::ostringstream out, err;
  ASSERT_EQ(runBatchCommand(*parsed.arguments->batch, out, err, false), kExitCompleted) << err.str();
  const std::string header = out.str().substr(0, out.str().find('\n'));
  EXPECT_TRUE(header.starts_with("line,name,error_field,error_message,w1,")) << header;
  EXPECT_NE(header.find(",check_xp,"), std::string::npos) << header;
  EXPECT_NE(header.find(",grade_name,"), std::string::npos) << header;
  EXPECT_NE(out.str().find(",一级,"), std::string::npos) << out.str();
  const BatchOptions& options = parsed.arguments->batch->options;
  EXPECT_EQ(options.encoding, TextEncoding::Utf8);
  EXPECT_EQ(options.jobs, 2U);
}

}  // namespace
}  // namespace velmora
