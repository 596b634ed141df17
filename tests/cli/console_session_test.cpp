#include "console_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "trace_window.h"

namespace velmora {
namespace {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

const std::filesystem::path kSource = VELMORA_SOURCE_DIR;

struct Session {
  int status = 0;
  std::string out, err;
  std::string unreadReplies;
};

Session runSession(const std::vector<std::string>& arguments, const std::string& replies) {
  const ParsedArguments parsed = parseCliArguments(arguments);
  EXPECT_TRUE(parsed.arguments) << parsed.error;
  std::istringstream in(replies);
  std::ostringstream out, err;
  Session session;
  session.status = runConsoleSession(*parsed.arguments, in, false, out, err);
  session.out = out.str();
  session.err = err.str();
  session.unreadReplies = std::string(std::istreambuf_iterator<char>(in), {});
  return session;
}

std::string sampleReplies() { return readFile(kSource / "examples/sample-figure.txt"); }

std::string lastLine(const std::string& text) {
  const std::size_t end = text.find_last_not_of('\n');
  return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
}

TEST(ConsoleTrace, SampleFigureTraceIsUnchanged) {
  const Session session = runSession({"--trace"}, sampleReplies());
  EXPECT_EQ(session.status, kExitCompleted);
  EXPECT_EQ(session.out, readFile(kSource / "tests/cli/sample-figure.trace"));
}

TEST(ConsoleTrace, ReadsOnlyTheRepliesItNeedsAndStripsCrlf) {
  std::string replies = sampleReplies();
  std::string crlf;
  for (const char c : replies) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Session session = runSession({"--trace"}, crlf + "extra\r\n");
  EXPECT_EQ(session.status, kExitCompleted);
  EXPECT_EQ(session.unreadReplies, "extra\r\n");
  EXPECT_EQ(session.out.find('\r'), std::string::npos);
}

struct StatusCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string replies;
  int status;
  const char* lastOutputLineStart;  // nullptr: no check
};

TEST(ConsoleStatus, EachFailureHasItsStatusAndTheFirstFailureWins) {
  std::string notANumber = sampleReplies();
  notANumber.replace(0, notANumber.find('\n'), "3l46.231");
  const StatusCase cases[] = {
      {"complete", {"--trace"}, sampleReplies(), kExitCompleted, "field\tText24\t"},
      {"replies run out", {"--trace"}, "1\n\n2\n", kExitRepliesRanOut, "stop\t"},
      {"no replies at all", {"--trace"}, "", kExitRepliesRanOut, "stop\t"},
      {"not a number", {"--trace"}, notANumber, kExitCannotCompute, "stop\t"},
      {"print before compute", {"print"}, "", kExitPrintRefused, nullptr},
      {"print then a good compute",
       {"--trace", "print", "compute"},
       sampleReplies(),
       kExitPrintRefused,
       "field\tText24\t"},
      {"stopped run then print", {"--trace", "compute", "print"}, "1\n", kExitRepliesRanOut, "stop\t"},
  };
  for (const StatusCase& c : cases) {
    const Session session = runSession(c.arguments, c.replies);
    EXPECT_EQ(session.status, c.status) << c.name;
    if (c.lastOutputLineStart != nullptr) {
      EXPECT_EQ(lastLine(session.out).rfind(c.lastOutputLineStart, 0), 0U) << c.name << ": " << lastLine(session.out);
    }
  }
}

TEST(ConsoleStatus, RefusedPrintWritesOnlyToStandardError) {
  const Session session = runSession({"print"}, "");
  EXPECT_EQ(session.out, "");
  EXPECT_NE(session.err.find("velmora-cli: "), std::string::npos);
}

TEST(ConsolePrint, ReportFileGetsOneWholeReportPerPrint) {
  const std::filesystem::path report = std::filesystem::temp_directory_path() / "velmora-console-test-report.txt";
  std::filesystem::remove(report);
  const Session session = runSession({"--report", report.string(), "compute", "print", "print"}, sampleReplies());
  EXPECT_EQ(session.status, kExitCompleted);
  const std::string text = readFile(report);
  std::filesystem::remove(report);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(0, text.size() / 2), text.substr(text.size() / 2));
  EXPECT_NE(text.find("                       A 点座标 : xa= 3146.231\n"), std::string::npos);
  EXPECT_NE(text.find("待定点相对起始点相对中误差 : 1/m= 1/245461"), std::string::npos);
  EXPECT_EQ(text.find(" \n"), std::string::npos);  // no trailing blanks
}

TEST(ConsolePerson, PromptsAndReadableResults) {
  const Session session = runSession({}, sampleReplies());
  EXPECT_EQ(session.status, kExitCompleted);
  EXPECT_NE(session.out.find("输入三角形顶点 A 点的纵座标 : 3146.231\n"), std::string::npos);
  EXPECT_NE(session.out.find("测角中误差 mb :  1.71 秒\n"), std::string::npos);
  EXPECT_NE(session.out.find("由C点推算 Yp3 : 5840.267\n"), std::string::npos);
}

// Regression: a second compute showed the point name typed at its prompt as the result "待定点 :".
TEST(ConsolePerson, SecondComputeShowsThePointNameOnlyAsItsResult) {
  const Session session = runSession({"compute", "compute"}, sampleReplies() + sampleReplies());
  EXPECT_EQ(session.status, kExitCompleted);
  std::size_t shown = 0;
  for (std::size_t at = session.out.find("待定点 :"); at != std::string::npos;
       at = session.out.find("待定点 :", at + 1)) {
    EXPECT_EQ(session.out.compare(at, std::string("待定点 :   P7\n").size(), "待定点 :   P7\n"), 0);
    ++shown;
  }
  EXPECT_EQ(shown, 2U);
}

TEST(CliArguments, UsageErrorsAndDefaults) {
  EXPECT_FALSE(parseCliArguments({"--replies"}).arguments);
  EXPECT_FALSE(parseCliArguments({"--bogus"}).arguments);
  EXPECT_FALSE(parseCliArguments({"comptue"}).arguments);
  const ParsedArguments none = parseCliArguments({});
  ASSERT_TRUE(none.arguments);
  EXPECT_EQ(none.arguments->commands, std::vector<CliCommand>{CliCommand::Compute});
  const ParsedArguments full = parseCliArguments({"--trace", "--replies", "r.txt", "print", "compute"});
  ASSERT_TRUE(full.arguments);
  EXPECT_TRUE(full.arguments->trace);
  EXPECT_EQ(*full.arguments->repliesFile, "r.txt");
  EXPECT_EQ(full.arguments->commands, (std::vector<CliCommand>{CliCommand::Print, CliCommand::Compute}));
}

TEST(TraceEscaping, BackslashTabCarriageReturnAndLineFeed) {
  EXPECT_EQ(escapeTraceText("a\\b\tc\rd\ne"), "a\\\\b\\tc\\rd\\ne");
  EXPECT_EQ(escapeTraceText("求距角 A(1)"), "求距角 A(1)");
}

TEST(TraceEscaping, RepliesWithControlCharactersStayOnOneLine) {
  std::string replies = sampleReplies();
  replies.replace(replies.find("P7"), 2, "P\t7\\");
  const Session session = runSession({"--trace"}, replies);
  EXPECT_NE(session.out.find("field\tText18\t P\\t7\\\\\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora
