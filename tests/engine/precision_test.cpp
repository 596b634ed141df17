#include "engine/precision.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/recording_window.h"

namespace velmora {
namespace {

struct PrecisionFixture : testing::Test {
  AdjustmentState state;
  RunValues run;
  RecordingWindow window;
};

TEST_F(PrecisionFixture, TheWorkedFiguresOfMbMdAndM) {
  run.secondGroupVv = 20.0;
  run.firstGroupVv = 8.0;
  run.provisional.longestSide = 1000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  ASSERT_FALSE(precisionStep(state, run, window));
  EXPECT_EQ(state.mb, 2.0F);
  EXPECT_EQ(state.md, static_cast<float>(2.0 * std::sqrt(28.8)));
  EXPECT_EQ(state.m, 93169.0F);
  EXPECT_EQ(window.lastText("Text14"), "  2.00 秒");
  EXPECT_EQ(window.lastText("Text17"), "  10.73 毫米");
  EXPECT_EQ(window.lastText("Text26"), " 1/93169");
  ASSERT_EQ(window.operations().size(), 3U);
  EXPECT_EQ(window.operations()[0].control, "Text14");
  EXPECT_EQ(window.operations()[1].control, "Text17");
  EXPECT_EQ(window.operations()[2].control, "Text26");
}

TEST_F(PrecisionFixture, LongerSideScalesMdAndLeavesM) {
  run.secondGroupVv = 20.0;
  run.firstGroupVv = 8.0;
  run.provisional.longestSide = 3000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  ASSERT_FALSE(precisionStep(state, run, window));
  EXPECT_NEAR(state.md, 3.0F * static_cast<float>(2.0 * std::sqrt(28.8)), 1e-4F);
  EXPECT_NEAR(*state.m, 93169.0F, 1.0F);
}

// Perfect data: md is zero and 1/m has no number; the run goes on.
TEST_F(PrecisionFixture, ZeroMdShowsInfinityAndStoresNoNumber) {
  run.provisional.longestSide = 1000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  state.m = 5.0F;
  ASSERT_FALSE(precisionStep(state, run, window));
  EXPECT_EQ(state.mb, 0.0F);
  EXPECT_FALSE(state.m.has_value());
  EXPECT_EQ(window.lastText("Text14"), "  0.00 秒");
  EXPECT_EQ(window.lastText("Text26"), " 1/∞");
}

TEST_F(PrecisionFixture, NegativeWeightSumCannotTakeTheRoot) {
  run.secondGroupVv = 7.0;
  run.provisional.longestSide = 1000.0;
  state.invPb = -1.0;
  const StageOutcome outcome = precisionStep(state, run, window);
  ASSERT_TRUE(outcome);
  EXPECT_NE(outcome->reason.find("开平方"), std::string::npos);
  EXPECT_EQ(window.operations().size(), 1U);  // mb was shown, md was not
}

TEST(RelativeErrorText, WholeNumberOrInfinity) {
  EXPECT_EQ(relativeErrorDenominatorText(93169.0F), "93169");
  EXPECT_EQ(relativeErrorDenominatorText(123456792.0F), "123456792");
  EXPECT_EQ(relativeErrorDenominatorText(std::nullopt), "∞");
}

}  // namespace
}  // namespace velmora
