#include "engine/precision.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

struct PrecisionFixture : testing::Test {
  /// mb, md and m in the run's order; the first that cannot compute ends it.
  StageOutcome precision() {
    if (StageOutcome outcome = unitWeightError(state, run)) return outcome;
    if (StageOutcome outcome = positionError(state, run)) return outcome;
    return relativeError(state, run);
  }
  AdjustmentResults state;
  RunValues run;
};

TEST_F(PrecisionFixture, TheWorkedFiguresOfMbMdAndM) {
  run.secondGroupVv = 20.0;
  run.firstGroupVv = 8.0;
  run.provisional.longestSide = 1000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  ASSERT_FALSE(precision());
  EXPECT_EQ(state.mb, 2.0F);
  EXPECT_EQ(state.md, static_cast<float>(2.0 * std::sqrt(28.8)));
  EXPECT_EQ(state.m, 93169.0F);
}

TEST_F(PrecisionFixture, LongerSideScalesMdAndLeavesM) {
  run.secondGroupVv = 20.0;
  run.firstGroupVv = 8.0;
  run.provisional.longestSide = 3000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  ASSERT_FALSE(precision());
  EXPECT_NEAR(state.md, 3.0F * static_cast<float>(2.0 * std::sqrt(28.8)), 1e-4F);
  EXPECT_NEAR(*state.m, 93169.0F, 1.0F);
}

// Perfect data: md is zero and 1/m has no number; the run goes on.
TEST_F(PrecisionFixture, ZeroMdStoresNoNumberAndTheRunGoesOn) {
  run.provisional.longestSide = 1000.0;
  state.invPb = 1.0;
  state.invPs = 1.0;
  state.m = 5.0F;
  ASSERT_FALSE(precision());
  EXPECT_EQ(state.mb, 0.0F);
  EXPECT_FALSE(state.m.has_value());
}

TEST_F(PrecisionFixture, NegativeWeightSumCannotTakeTheRoot) {
  run.secondGroupVv = 7.0;
  run.provisional.longestSide = 1000.0;
  state.invPb = -1.0;
  const StageOutcome outcome = precision();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::NegativeForRoot);
  EXPECT_EQ(outcome->subject.quantity, FaultQuantity::PositionWeightSum);
  EXPECT_EQ(state.mb, 1.0F);  // mb was stored, md was not
  EXPECT_EQ(state.md, 0.0F);
}

}  // namespace
}  // namespace velmora
