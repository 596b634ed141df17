// Bad input through the console session, as an operator's reply file: each row
// is the sample figure with some replies replaced, run as "compute print". A
// row expects the run to complete (and the report to print) or to stop with a
// message naming the value or the step (and print then to refuse).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "console_session.h"

namespace velmora {
namespace {

using namespace std::string_literals;

// Reply numbers in the sample figure (0-based): every value is followed by its confirmation.
constexpr std::size_t kXa = 0, kYa = 2, kXb = 4, kYb = 6, kXc = 8, kYc = 10, kName = 12;
constexpr std::size_t kA1 = 14, kB1 = 16, kC1 = 18, kFirstOfTriangle2 = 20;

std::vector<std::string> sampleReplies() {
  std::ifstream file(std::filesystem::path(VELMORA_SOURCE_DIR) / "examples/sample-figure.txt");
  std::vector<std::string> replies;
  for (std::string line; std::getline(file, line);) replies.push_back(line);
  return replies;
}

std::string joined(const std::vector<std::string>& replies, const std::string& ending = "\n") {
  std::string text;
  for (const std::string& reply : replies) text += reply + ending;
  return text;
}

/// The sample's replies with some replaced.
std::string sampleWith(const std::vector<std::pair<std::size_t, std::string>>& replaced) {
  std::vector<std::string> replies = sampleReplies();
  for (const auto& [index, reply] : replaced) replies.at(index) = reply;
  return joined(replies);
}

/// The sample's replies with `reply` put in before reply number `index`.
std::string sampleInserting(std::size_t index, const std::string& reply) {
  std::vector<std::string> replies = sampleReplies();
  replies.insert(replies.begin() + static_cast<std::ptrdiff_t>(index), reply);
  return joined(replies);
}

std::string sampleUpTo(std::size_t count) {
  std::vector<std::string> replies = sampleReplies();
  replies.resize(count);
  return joined(replies);
}

enum class Outcome { Completed, Stopped, RepliesRanOut };

struct BadInputRow {
  const char* name;
  std::string replies;
  Outcome outcome;
  std::string shows;  ///< in the stop message, or for a completed run in the trace
};

void PrintTo(const BadInputRow& row, std::ostream* out) { *out << row.name; }

std::vector<BadInputRow> badInputRows() {
  const std::vector<std::string> sample = sampleReplies();
  const std::string megabyte(std::size_t{1} << 20, '7');
  // A, B, C of the sample with C moved onto the middle of AB.
  const std::string midX = "3677.374", midY = "5490.452";
  return {
      {"EmptyCoordinate", sampleWith({{kXa, ""}}), Outcome::Stopped, "Xa 的输入值 “” 不是数字"},
      {"BlankCoordinate", sampleWith({{kXa, "   "}}), Outcome::Stopped, "Xa 的输入值 “   ” 不是数字"},
      {"EmptyAngle", sampleWith({{kA1, ""}}), Outcome::Stopped,
       "三角形 1 的角度换算」一步中止：求距角 A(1) 的输入值 “”"},
      {"BeyondDouble", sampleWith({{kXa, "1e400"}}), Outcome::Stopped, "Xa 的输入值 “1e400” 超出数值范围"},
      {"BeyondNegativeDouble", sampleWith({{kYa, "-1e400"}}), Outcome::Stopped, "Ya 的输入值 “-1e400” 超出数值范围"},
      {"Hexadecimal", sampleWith({{kXb, "0x10"}}), Outcome::Stopped, "Xb 的输入值 “0x10” 不是数字"},
      {"DecimalComma", sampleWith({{kA1, "1,5"}}), Outcome::Stopped, "A(1) 的输入值 “1,5” 不是数字"},
      {"FullWidthDigits", sampleWith({{kYb, "１２３"}}), Outcome::Stopped, "Yb 的输入值 “１２３” 不是数字"},
      {"LoneMinus", sampleWith({{kXc, "-"}}), Outcome::Stopped, "Xc 的输入值 “-” 不是数字"},
      {"LonePoint", sampleWith({{kYc, "."}}), Outcome::Stopped, "Yc 的输入值 “.” 不是数字"},
      {"MegabyteCoordinate", sampleWith({{kXa, megabyte}}), Outcome::Stopped,
       "第 1 行的回答长 1048576 字节，超过 4096 字节：“" + std::string(40, '7') + "…”"},
      {"MegabytePointName", sampleWith({{kName, megabyte}}), Outcome::Stopped, "第 13 行的回答长 1048576 字节"},
      {"ReplyOfTheLongestLength", sampleWith({{kName, std::string(4096, 'P')}}), Outcome::Completed,
       "field\tText24\t 5840.267"},
      {"LongestReplyNotANumber", sampleWith({{kXa, std::string(4096, 'x')}}), Outcome::Stopped,
       "Xa 的输入值 “" + std::string(40, 'x') + "…” 不是数字"},
      {"ReplyOneByteTooLong", sampleWith({{kName, std::string(4097, 'P')}}), Outcome::Stopped, "长 4097 字节"},
      // Not UTF-8: read as GB18030, where these bytes are no characters either.
      {"InvalidUtf8Coordinate",
       sampleWith({{kXa,
                    "\xff\xfe"
                    "3146"}}),
       Outcome::Stopped, "Xa 的输入值 “\uFFFD\uFFFD3146” 不是数字"},
      {"InvalidUtf8PointName", sampleWith({{kName, "P\xc3"}}), Outcome::Completed, "field\tText18\t   P\uFFFD\n"},
      {"NulInCoordinate", sampleWith({{kXa, "3146\0.231"s}}), Outcome::Stopped, "Xa 的输入值 “3146\0.231” 不是数字"s},
      {"NulInPointName",
       sampleWith({{kName,
                    "P\0"
                    "7"s}}),
       Outcome::Completed,
       "field\tText18\t   P\0"
       "7\n"s},
      {"CrlfEndings", joined(sample, "\r\n"), Outcome::Completed, "field\tText24\t 5840.267\n"},
      {"BlankConfirmationAsksAgain", sampleInserting(kXa + 1, "  "), Outcome::Completed, "field\tText24\t 5840.267"},
      {"LetterConfirmationAsksAgain", sampleInserting(kA1 + 1, "y"), Outcome::Completed, "field\tText24\t 5840.267"},
      // Angles no surveyor can have observed stop where the triangle's angles are converted.
      {"Minutes75", sampleWith({{kA1, "29.75491"}}), Outcome::Stopped,
       "三角形 1 的角度换算」一步中止：求距角 A(1) 的输入值 “29.75491” 不是可能的观测值：分必须小于 60"},
      {"Minutes60", sampleWith({{kB1, "33.6000"}}), Outcome::Stopped,
       "前进角 B(1) 的输入值 “33.6000” 不是可能的观测值：分必须小于 60"},
      {"Minutes59PassesTheAngleRules", sampleWith({{kA1, "29.59491"}}), Outcome::Stopped, "闭合差 w(1) = 2761.6 秒"},
      {"Seconds60", sampleWith({{kA1, "29.1360"}}), Outcome::Stopped,
       "求距角 A(1) 的输入值 “29.1360” 不是可能的观测值：秒必须小于 60"},
      {"Seconds59Point9", sampleWith({{kA1, "29.13599"}}), Outcome::Completed, "field\tText11\t  12.4 秒"},
      {"CentralAngle180", sampleWith({{kC1, "180"}}), Outcome::Stopped,
       "中心角 C(1) 的输入值 “180” 不是可能的观测值：必须小于 180°"},
      {"CentralAngleJustBelow180PassesTheAngleRules", sampleWith({{kC1, "179.5959"}}), Outcome::Stopped,
       "三角形 1 的闭合差与改正」一步中止：闭合差 w(1) = "},
      {"Angle360", sampleWith({{kA1, "360"}}), Outcome::Stopped,
       "求距角 A(1) 的输入值 “360” 不是可能的观测值：必须小于 180°"},
      {"CentralAngleZero", sampleWith({{kA1, "90"}, {kB1, "90"}, {kC1, "0"}}), Outcome::Stopped,
       "中心角 C(1) 的输入值 “0” 不是可能的观测值：必须大于 0"},
      {"NegativeAngle", sampleWith({{kB1, "-33.57492"}}), Outcome::Stopped,
       "前进角 B(1) 的输入值 “-33.57492” 不是可能的观测值：必须大于 0"},
      // A triangle's misclosure: exactly 600" passes, more stops once its fields are shown.
      {"Misclosure599Point9", sampleWith({{kA1, "29.23474"}}), Outcome::Completed, "field\tText11\t  599.9 秒"},
      {"Misclosure600", sampleWith({{kA1, "29.23475"}}), Outcome::Completed, "field\tText11\t  600 秒"},
      {"Misclosure600Point1", sampleWith({{kA1, "29.23476"}}), Outcome::Stopped,
       "三角形 1 的闭合差与改正」一步中止：闭合差 w(1) = 600.1 秒，绝对值超过 600 秒，请检查三角形 1 的三个观测角"},
      {"MisclosureMinus600", sampleWith({{kA1, "29.03475"}}), Outcome::Completed, "field\tText11\t  -600 秒"},
      {"MisclosureMinus600Point1", sampleWith({{kA1, "29.03474"}}), Outcome::Stopped, "闭合差 w(1) = -600.1 秒"},
      // The known points: one point, one line, or numbered the wrong way round.
      {"CoincidentKnownPoints", sampleWith({{kXb, sample[kXa]}, {kYb, sample[kYa]}}), Outcome::Stopped,
       "已知边长与方位角计算」一步中止：已知点 A 与 B 重合"},
      {"CollinearKnownPoints", sampleWith({{kXc, midX}, {kYc, midY}}), Outcome::Stopped, "已知点 A、B、C 在一条直线上"},
      {"KnownPointsSubMillimetreOffALine", sampleWith({{kXc, "3677.372024"}, {kYc, midY}}), Outcome::Stopped,
       "已知点 A、B、C 在一条直线上"},
      {"KnownPointsMillimetreOffALine", sampleWith({{kXc, "3677.371585"}, {kYc, midY}}), Outcome::Stopped,
       "第二组条件闭合差」一步中止：固定角闭合差 w1 = "},
      {"CoordinateTypoTurnsTheNumbering", sampleWith({{kXa, "1e5"}}), Outcome::Stopped, "应按顺时针方向编号"},
      {"CounterClockwiseNumbering",
       sampleWith({{kXa, sample[kXb]}, {kYa, sample[kYb]}, {kXb, sample[kXa]}, {kYb, sample[kYa]}}), Outcome::Stopped,
       "已知点 A、B、C 在图上按逆时针方向编号（x 向北，y 向东），应按顺时针方向编号"},
      // Second-group misclosures beyond 600" point at the coordinates or the central angles.
      {"CoordinateDigitsSwapped", sampleWith({{kXa, "3416.231"}}), Outcome::Stopped,
       "固定角闭合差 w1 = -15418.8 秒，绝对值超过 600 秒，请检查 A、B、C 点的座标"},
      {"CentralAnglesNineMinutesOver", sampleWith({{kC1, "116.57233"}, {kFirstOfTriangle2 + 4, "116.2645"}}),
       Outcome::Stopped, "圆周角闭合差 w3 = 719.33 秒，绝对值超过 600 秒，请检查三个中心角的观测值"},
      {"RepliesEndMidRun", sampleUpTo(kFirstOfTriangle2), Outcome::RepliesRanOut,
       "回答已用完，计算在提示「请按三角形编号输入第 2 个三角形求距角 A(2) 的观测值:」处中止"},
      {"RepliesEndAtAConfirmation", sampleUpTo(kA1 + 1), Outcome::RepliesRanOut, "「确认求距角 A(1) 的观测值"},
      {"NoReplies", "", Outcome::RepliesRanOut, "「输入三角形顶点 A 点的纵座标 :」"},
  };
}

int expectedStatus(Outcome outcome) {
  switch (outcome) {
    case Outcome::Completed: return kExitCompleted;
    case Outcome::Stopped: return kExitCannotCompute;
    case Outcome::RepliesRanOut: return kExitRepliesRanOut;
  }
  return kExitUsage;
}

/// The trace's "stop" line, without its ending; empty when the run completed.
std::string stopLine(const std::string& trace) {
  const std::size_t stop = trace.find("\nstop\t");
  if (stop == std::string::npos) return trace.starts_with("stop\t") ? trace.substr(0, trace.find('\n')) : "";
  return trace.substr(stop + 1, trace.find('\n', stop + 1) - stop - 1);
}

class BadInput : public ::testing::TestWithParam<BadInputRow> {};

TEST_P(BadInput, CompletesOrStopsNamingTheValueAndNeverPrintsAStoppedRun) {
  const BadInputRow& row = GetParam();
  CliArguments cli;
  cli.trace = true;
  cli.commands = {CliCommand::Compute, CliCommand::Print};
  std::istringstream replies(row.replies);
  std::ostringstream out, err;
  const int status = runConsoleSession(cli, replies, false, out, err);

  EXPECT_EQ(status, expectedStatus(row.outcome));
  const std::string trace = out.str();
  const std::string stop = stopLine(trace);
  if (row.outcome == Outcome::Completed) {
    EXPECT_EQ(stop, "");
    EXPECT_NE(trace.find(row.shows), std::string::npos) << "expected in the trace: " << row.shows;
    EXPECT_NE(trace.find("--- Velmora ---"), std::string::npos) << "the report is printed";
    EXPECT_EQ(err.str().find("velmora-cli: ", err.str().find('\n') + 1), std::string::npos)
        << "at most the encoding is said: " << err.str();
  } else {
    EXPECT_NE(stop.find(row.shows), std::string::npos) << "expected in: " << stop.substr(0, 500);
    EXPECT_EQ(trace.find("--- Velmora ---"), std::string::npos) << "a stopped run is never printed";
    EXPECT_NE(err.str(), "") << "print refuses and says why";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInput, ::testing::ValuesIn(badInputRows()),
                         [](const ::testing::TestParamInfo<BadInputRow>& row) { return row.param.name; });

}  // namespace
}  // namespace velmora
