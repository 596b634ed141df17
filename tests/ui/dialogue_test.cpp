#include "ui/dialogue.h"

#include <gtest/gtest.h>

#include "ui/recording_window.h"

namespace velmora {
namespace {

using Kind = WindowOperation::Kind;

WindowOperation ask(const std::string& prompt, const std::string& reply) { return {Kind::Ask, "", prompt, reply}; }
WindowOperation field(const std::string& name, const std::string& text) { return {Kind::Field, name, text, ""}; }
WindowOperation label(const std::string& name, const std::string& text) { return {Kind::Label, name, text, ""}; }

std::vector<std::string> askedPrompts(const RecordingWindow& window) {
  std::vector<std::string> prompts;
  for (const WindowOperation& operation : window.operations()) {
    if (operation.kind == Kind::Ask) prompts.push_back(operation.text);
  }
  return prompts;
}

const std::string kConfirmTail = " ?  输入正确单击 Enter 键 ;  错误输入零 ( 即:0 )";

struct ScalarRow {
  std::string entry, confirmation, correction;
};

// Each of the seven rows has its own texts; the east coordinate of C is
// confirmed with the question of its north coordinate.
TEST(ScalarEntries, EveryRowAsksItsOwnThreePrompts) {
  const std::vector<ScalarRow> rows{
      {"输入三角形顶点 A 点的纵座标 :", "确认 A 点的纵座标输入是否正确" + kConfirmTail, "输入正确的纵座标 :"},
      {"输入三角形顶点 A 点的横座标 :", "确认 A 点的横座标输入是否正确" + kConfirmTail, "输入正确的横座标 :"},
      {"输入三角形顶点 B 点的纵座标 :", "确认 B 点的纵座标输入是否正确" + kConfirmTail, "输入正确的纵座标 Xb :"},
      {"输入三角形顶点 B 点的横座标 :", "确认 B 点的横座标输入是否正确" + kConfirmTail,
       "输入三角形顶点 B 点正确的横座标 Yb :"},
      {"输入三角形顶点 C 点的纵座标 :", "确认 C 点的纵座标输入是否正确" + kConfirmTail, "输入正确的纵座标 :"},
      {"请输入三角形顶点 C 点的横座标 Yc:", "确认 C 点的纵座标输入是否正确" + kConfirmTail, "输入正确的横座标 :"},
      {"请输入待定点的点名 :", "确认待定点的点名输入是否正确" + kConfirmTail, "请输入待定点正确的点名 :"},
  };
  // Every value is rejected once, corrected, then accepted.
  std::vector<std::string> replies;
  for (int row = 0; row < 7; ++row) replies.insert(replies.end(), {"1", "0", "2", ""});
  RecordingWindow window(replies);
  AdjustmentState state;
  ASSERT_TRUE(enterScalars(window, state).entered);

  std::vector<std::string> expected;
  for (const ScalarRow& row : rows) {
    expected.insert(expected.end(), {row.entry, row.confirmation, row.correction, row.confirmation});
  }
  EXPECT_EQ(askedPrompts(window), expected);
  EXPECT_EQ(state.xa, "2");
  EXPECT_EQ(state.pointName, "2");
}

TEST(ScalarEntries, ValuesAreStoredAsTypedAndEchoedIntoTheirFields) {
  RecordingWindow window({" 3456.78", "", "-0.0004", "", "100", "", "1e3", "", "abc", "", "", "", "  P7", ""});
  AdjustmentState state;
  ASSERT_TRUE(enterScalars(window, state).entered);
  EXPECT_EQ(state.xa, " 3456.78");
  EXPECT_EQ(state.pointName, "  P7");
  EXPECT_EQ(window.lastText("Text1"), " 3456.780");
  EXPECT_EQ(window.lastText("Text2"), " 0.000");
  EXPECT_EQ(window.lastText("Text3"), " 100.000");
  EXPECT_EQ(window.lastText("Text4"), " 1000.000");
  EXPECT_EQ(window.lastText("Text9"), " abc");  // not a number: shown as typed
  EXPECT_EQ(window.lastText("Text10"), " ");
  EXPECT_EQ(window.lastText("Text18"), "   P7");
}

// The operations of one wrongly typed distance angle, corrected and then confirmed.
TEST(AngleEntries, CorrectedDistanceAngleProducesTheExactOperations) {
  RecordingWindow window({"45.3012", "0", "45.3021", "", "30", "", "104.3", ""});
  AdjustmentState state;
  ASSERT_TRUE(enterTriangleAngles(window, state, 1).entered);
  const std::vector<WindowOperation> expectedHead{
      ask("请按三角形编号输入第 1 个三角形求距角 A(1) 的观测值:", "45.3012"),
      label("Label12", "A(1)"),
      field("Text6", " 45.30120"),
      ask("确认求距角 A(1) 的观测值输入是否正确" + kConfirmTail, "0"),
      field("Text6", " "),
      ask("输入求距角正确的观测值 :", "45.3021"),
      field("Text6", " 45.30210"),
      ask("确认求距角 A( 1 ) 的观测值输入是否正确" + kConfirmTail, ""),
      field("Text6", " 45.30210"),
      field("Text7", ""),
      field("Text8", ""),
      field("Text11", ""),
  };
  const std::vector<WindowOperation> head(window.operations().begin(),
                                          window.operations().begin() + static_cast<long>(expectedHead.size()));
  EXPECT_EQ(head, expectedHead);
  EXPECT_EQ(state.distanceAngleDms[1], "45.3021");
  EXPECT_EQ(state.advanceAngleDms[1], "30");
  EXPECT_EQ(state.centralAngleDms[1], "104.3");
  EXPECT_EQ(window.lastText("Text8"), " 104.30000");
}

TEST(AngleEntries, AdvanceAndCentralPromptsOfTriangleTwoNeverChange) {
  RecordingWindow window({"1", "", "2", "0", "3", "0", "4", "", "5", "0", "6", ""});
  AdjustmentState state;
  ASSERT_TRUE(enterTriangleAngles(window, state, 2).entered);
  const std::string advanceConfirm = "确认前进角 B(2) 的观测值输入是否正确" + kConfirmTail;
  const std::string centralConfirm =
      "确认中心角 C(2) 的观测值输入是否正确 ?  输入正确按 Enter 键或 OK 键(  即:Enter 键或 OK 键);  错误输入按零 ( "
      "即:0 )";
  const std::vector<std::string> expected{
      "请按三角形编号输入第 2 个三角形求距角 A(2) 的观测值:",
      "确认求距角 A(2) 的观测值输入是否正确" + kConfirmTail,
      "按三角形编号输入第 2 个三角形前进角 B(2) 的观测值 :",
      advanceConfirm,
      "输入前进角正确的观测值 :",
      advanceConfirm,
      "输入前进角正确的观测值 :",
      advanceConfirm,
      "按三角形编号输入第 2 个三角形中心角的观测值 C(2) 的观测值 :",
      centralConfirm,
      "输入中心角正确的观测值 :",
      centralConfirm,
  };
  EXPECT_EQ(askedPrompts(window), expected);
  EXPECT_EQ(window.lastText("Label13"), "B(2)");
  EXPECT_EQ(window.lastText("Label14"), "C(2)");
  EXPECT_EQ(state.advanceAngleDms[2], "4");
  EXPECT_EQ(state.centralAngleDms[2], "6");
}

struct ConfirmationCase {
  const char* reply;
  ConfirmationAnswer answer;
};

TEST(Confirmation, ZeroRejectsEmptyOrNonZeroAcceptsAnythingElseAsksAgain) {
  const ConfirmationCase cases[] = {
      {"0", ConfirmationAnswer::Reject},     {"0.0", ConfirmationAnswer::Reject},
      {" 0 ", ConfirmationAnswer::Reject},   {"-0", ConfirmationAnswer::Reject},
      {"0e5", ConfirmationAnswer::Reject},   {"", ConfirmationAnswer::Accept},
      {"1", ConfirmationAnswer::Accept},     {"-2.5", ConfirmationAnswer::Accept},
      {"x", ConfirmationAnswer::AskAgain},   {" ", ConfirmationAnswer::AskAgain},
      {"0x0", ConfirmationAnswer::AskAgain}, {"1e400", ConfirmationAnswer::AskAgain},
  };
  for (const ConfirmationCase& c : cases) EXPECT_EQ(classifyConfirmation(c.reply), c.answer) << '"' << c.reply << '"';
}

TEST(Confirmation, UnclearReplyAsksTheSameQuestionWithNothingInBetween) {
  RecordingWindow window({"12", "y", "yes", ""});
  AdjustmentState state;
  const DialogueEntry entry{"entry", FieldId::Text1, DisplayKind::Coordinate, {}, {}, "first", "again", "correct"};
  ASSERT_TRUE(confirmedEntry(window, entry, state.xa).entered);
  const std::vector<WindowOperation> expected{ask("entry", "12"), field("Text1", " 12.000"),
                                              ask("first", "y"),  ask("first", "yes"),
                                              ask("first", ""),   field("Text1", " 12.000")};
  EXPECT_EQ(window.operations(), expected);
}

TEST(Confirmation, RepliesRunningOutNameTheUnansweredPrompt) {
  RecordingWindow window({"12", "0"});
  AdjustmentState state;
  const DialogueEntry entry{"entry", FieldId::Text1, DisplayKind::Coordinate, {}, {}, "first", "again", "correct"};
  const DialogueEnd end = confirmedEntry(window, entry, state.xa);
  EXPECT_FALSE(end.entered);
  EXPECT_EQ(end.unansweredPrompt, "correct");
  EXPECT_EQ(window.operations().back(), field("Text1", ""));
}

TEST(DisplayText, PatternsForCoordinatesAndAnglesNameAsTyped) {
  EXPECT_EQ(displayText(DisplayKind::Coordinate, "100"), " 100.000");
  EXPECT_EQ(displayText(DisplayKind::Coordinate, "-12.3456"), " -12.346");
  EXPECT_EQ(displayText(DisplayKind::Angle, "90"), " 90.00000");
  EXPECT_EQ(displayText(DisplayKind::Angle, "45.3"), " 45.30000");
  EXPECT_EQ(displayText(DisplayKind::Angle, "4x"), " 4x");
  EXPECT_EQ(displayText(DisplayKind::Name, " P7"), "  P7");
  EXPECT_EQ(displayText(DisplayKind::Name, "0"), " 0");
}

}  // namespace
}  // namespace velmora
