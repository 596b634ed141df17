#include "ui/compute_run.h"

#include <gtest/gtest.h>

#include "figure_factory.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

using Kind = WindowOperation::Kind;

std::vector<std::string> sampleReplies() {
  const auto figure = figures::measuredFigure("P7", {3146.231, 5218.774}, {4208.517, 5762.130}, {3312.684, 6542.895},
                                              {3560.412, 5840.266}, {2.1, -1.4, 0.8, -2.3, 1.7, 0.4, 1.2, -0.6, -1.9});
  return figures::confirmedReplies(figure);
}

/// Field and label writes only, as "Text12" / "Label17".
std::vector<std::string> writtenControls(const RecordingWindow& window) {
  std::vector<std::string> controls;
  for (const WindowOperation& operation : window.operations()) {
    if (operation.kind != Kind::Ask) controls.push_back(operation.control);
  }
  return controls;
}

TEST(ComputeRun, CompleteRunTakesExactly32RepliesAndLeavesTheNextUnread) {
  std::vector<std::string> replies = sampleReplies();
  ASSERT_EQ(replies.size(), 32U);
  replies.push_back("never read");
  RecordingWindow window(replies);
  AdjustmentState state;
  const RunOutcome outcome = computeRun(state, window);
  EXPECT_EQ(outcome.end, RunEnd::Complete) << outcome.message;
  EXPECT_EQ(window.repliesUsed(), 32U);
  EXPECT_TRUE(state.lastRunComplete);
  EXPECT_EQ(state.functionColumn, 6);
}

TEST(ComputeRun, WritesEveryFieldInTheOrderOfTheRun) {
  RecordingWindow window(sampleReplies());
  AdjustmentState state;
  ASSERT_EQ(computeRun(state, window).end, RunEnd::Complete);
  std::vector<std::string> expected;
  for (const char* scalarField : {"Text1", "Text2", "Text3", "Text4", "Text9", "Text10", "Text18"}) {
    expected.insert(expected.end(), {scalarField, scalarField});
  }
  for (int i = 1; i <= 3; ++i) {
    expected.insert(expected.end(), {"Label12", "Text6", "Text6", "Text7", "Text8", "Text11", "Label13", "Text7",
                                     "Text7", "Label14", "Text8", "Text8", "Label17", "Text11"});
  }
  expected.insert(expected.end(), {"Text12", "Text13", "Text21", "Text25", "Text15", "Text16", "Text14", "Text17",
                                   "Text26", "Text18", "Text19", "Text20", "Text5", "Text22", "Text23", "Text24"});
  EXPECT_EQ(writtenControls(window), expected);
  EXPECT_EQ(window.lastText("Label17"), "w(3)");
  EXPECT_EQ(window.lastText("Text18"), "   P7");
}

TEST(ComputeRun, RepliesRunningOutStopTheRunAtThatPrompt) {
  std::vector<std::string> replies = sampleReplies();
  replies.resize(17);  // the scalars, A(1) confirmed, and B(1) typed
  RecordingWindow window(replies);
  AdjustmentState state;
  const RunOutcome outcome = computeRun(state, window);
  EXPECT_EQ(outcome.end, RunEnd::RepliesRanOut);
  EXPECT_NE(outcome.message.find("确认前进角 B(1)"), std::string::npos) << outcome.message;
  EXPECT_FALSE(state.lastRunComplete);
}

TEST(ComputeRun, NonNumericCoordinateStopsAtItsFirstUseAndNamesIt) {
  std::vector<std::string> replies = sampleReplies();
  replies[4] = "41O8.517";  // xb typed with a letter O
  RecordingWindow window(replies);
  AdjustmentState state;
  const RunOutcome outcome = computeRun(state, window);
  ASSERT_EQ(outcome.end, RunEnd::CannotCompute);
  EXPECT_NE(outcome.message.find("41O8.517"), std::string::npos) << outcome.message;
  EXPECT_NE(outcome.message.find("B 点的纵座标"), std::string::npos) << outcome.message;
  EXPECT_EQ(window.lastText("Text3"), " 41O8.517");
  // The triangle loop ran; nothing after the known-side geometry was written.
  EXPECT_EQ(window.lastText("Label17"), "w(3)");
  EXPECT_EQ(window.lastText("Text12"), "");
  EXPECT_FALSE(state.lastRunComplete);
}

TEST(ComputeRun, NonNumericAngleStopsAtItsConversionBeforeTheMisclosure) {
  std::vector<std::string> replies = sampleReplies();
  replies[14] = "";  // the distance angle of triangle 1 left empty
  RecordingWindow window(replies);
  AdjustmentState state;
  const RunOutcome outcome = computeRun(state, window);
  ASSERT_EQ(outcome.end, RunEnd::CannotCompute);
  EXPECT_NE(outcome.message.find("求距角 A(1)"), std::string::npos) << outcome.message;
  EXPECT_EQ(window.lastText("Text11"), "");
  EXPECT_EQ(window.lastText("Label17"), "");
  EXPECT_EQ(window.repliesUsed(), 20U);
}

TEST(ComputeRun, SecondRunKeepsEarlierFieldsUntilRewrittenAndStartsArraysEmpty) {
  RecordingWindow window(sampleReplies());
  AdjustmentState state;
  ASSERT_EQ(computeRun(state, window).end, RunEnd::Complete);
  const float firstMb = state.mb;
  const std::string firstText19 = window.lastText("Text19");

  std::vector<std::string> second = sampleReplies();
  second.resize(18);  // scalars and the first angle, then the replies end
  RecordingWindow secondWindow(second);
  EXPECT_EQ(computeRun(state, secondWindow).end, RunEnd::RepliesRanOut);
  EXPECT_FALSE(state.lastRunComplete);
  EXPECT_EQ(state.mb, firstMb);  // a scalar keeps the previous run's value
  EXPECT_EQ(state.w[1], 0.0F);   // the arrays were re-created empty
  EXPECT_EQ(state.k[1], 0.0);
  EXPECT_FALSE(firstText19.empty());
}

}  // namespace
}  // namespace velmora
