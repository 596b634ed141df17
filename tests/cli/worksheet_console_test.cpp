// The console's worksheet command within a session: the worksheet is that of
// the last complete run (its tables and its state, not an earlier run's), and
// it is refused with print's message once a later run stopped.
#include <gtest/gtest.h>

#include <sstream>

#include "console_session.h"
#include "example_figures.h"
#include "report/report_writer.h"

namespace velmora {
namespace {

struct Session {
  int status = 0;
  std::string out, err;
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
  return session;
}

std::string repliesOf(std::string_view name, std::size_t keep = 32) {
  std::vector<std::string> replies = figures::confirmedReplies(exampleFigure(name));
  replies.resize(std::min(keep, replies.size()));
  std::string text;
  for (const std::string& reply : replies) text += reply + "\n";
  return text;
}

/// The worksheet printed by a session, without its time of computation.
std::string worksheetPart(const std::string& out) {
  const std::size_t title = out.find("中点多边形条件平差计算表");
  if (title == std::string::npos) return {};
  std::istringstream lines(out.substr(title));
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    if (!line.starts_with("计算时间")) kept += line + "\n";
  }
  return kept;
}

TEST(ConsoleWorksheet, IsTheLastCompleteRunsWorksheet) {
  const Session alone = runSession({"compute", "worksheet"}, repliesOf("Q1"));
  const Session after = runSession({"compute", "compute", "worksheet"}, repliesOf("P7") + repliesOf("Q1"));
  ASSERT_EQ(alone.status, kExitCompleted) << alone.err;
  ASSERT_EQ(after.status, kExitCompleted) << after.err;
  EXPECT_NE(worksheetPart(alone.out), "");
  EXPECT_EQ(worksheetPart(after.out), worksheetPart(alone.out));
  EXPECT_EQ(worksheetPart(after.out).find("P7"), std::string::npos);
}

TEST(ConsoleWorksheet, RefusedLikePrintOnceALaterRunStopped) {
  const Session session = runSession({"compute", "compute", "worksheet"}, repliesOf("P7") + repliesOf("Q1", 20));
  EXPECT_EQ(session.status, kExitRepliesRanOut);
  EXPECT_EQ(worksheetPart(session.out), "");
  EXPECT_NE(session.err.find(*reportRefusal(AdjustmentState{})), std::string::npos) << session.err;
}

TEST(ConsoleWorksheet, GradeAskedForIsTheOneChecked) {
  const Session session = runSession({"--grade", "一级", "compute", "worksheet"}, repliesOf("P7"));
  ASSERT_EQ(session.status, kExitCompleted) << session.err;
  EXPECT_NE(worksheetPart(session.out).find("检核等级与结论  一级："), std::string::npos);
  EXPECT_NE(worksheetPart(session.out).find("等级检核（一级）"), std::string::npos);
}

}  // namespace
}  // namespace velmora
