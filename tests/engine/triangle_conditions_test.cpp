#include "engine/triangle_conditions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/adjustment_state.h"

namespace velmora {
namespace {

constexpr double kK = 3.1415926535 / 180.0;

/// Triangle i's misclosure and first-group correction, as the run does them.
StageOutcome triangleStep(AdjustmentResults& state, RunValues& run, int i) {
  if (StageOutcome outcome = triangleMisclosure(state, run, i)) return outcome;
  return firstGroupCorrection(state, run, i);
}

/// The second group's misclosures, their limits and the condition rows.
StageOutcome secondGroupStep(AdjustmentResults& state, RunValues& run) {
  if (StageOutcome outcome = secondGroupMisclosures(state, run)) return outcome;
  if (StageOutcome outcome = requireNoGrossSecondGroupMisclosure(state)) return outcome;
  secondGroupConditionRows(run);
  return done();
}

struct TriangleStepFixture : testing::Test {
  void setTriangle(int i, double distance, double advance, double central) {
    const auto ti = static_cast<std::size_t>(i);
    state.distanceAngle[ti] = distance;
    state.advanceAngle[ti] = advance;
    state.centralAngle[ti] = central;
  }
  AdjustmentResults state;
  RunValues run;
};

TEST_F(TriangleStepFixture, ExactSumLeavesTheAnglesAndShowsZero) {
  setTriangle(1, 50.0, 60.0, 70.0);
  ASSERT_FALSE(triangleStep(state, run, 1));
  EXPECT_EQ(state.w[1], 0.0F);
  EXPECT_EQ(run.triangleMisclosure[1], 0.0);
  EXPECT_EQ(state.distanceAngle[1], 50.0);
  EXPECT_EQ(run.firstGroupVv, 0.0);
}

TEST_F(TriangleStepFixture, SixSecondsOverTakeTwoFromEachAngle) {
  setTriangle(2, 50.0, 60.0, 70.0 + 6.0 / 3600.0);
  ASSERT_FALSE(triangleStep(state, run, 2));
  EXPECT_NEAR(state.w[2], 6.0F, 1e-6F);
  EXPECT_NEAR(state.distanceAngle[2], 50.0 - 2.0 / 3600.0, 1e-12);
  EXPECT_NEAR(state.centralAngle[2], 70.0 + 4.0 / 3600.0, 1e-12);
  EXPECT_NEAR(run.firstGroupVv, 12.0, 1e-8);
}

TEST_F(TriangleStepFixture, LogSineCoefficientsAndRunningSums) {
  setTriangle(1, 40.0, 60.0, 80.0);
  ASSERT_FALSE(triangleStep(state, run, 1));
  EXPECT_DOUBLE_EQ(run.distanceDelta[1], 2.1055 / std::tan(40.0 * kK));
  EXPECT_DOUBLE_EQ(run.centralDelta[1], 2.1055 / std::tan(80.0 * kK));
  const double expected = std::log10(std::sin(40.0 * kK)) - std::log10(std::sin(60.0 * kK));
  EXPECT_NEAR(run.logSineSum, expected, 1e-9);
  EXPECT_EQ(run.centralAngleSum, 80.0);
}

TEST_F(TriangleStepFixture, ZeroAngleCannotComputeItsCoefficient) {
  setTriangle(3, 0.0, 90.0, 90.0);
  const StageOutcome outcome = triangleStep(state, run, 3);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->subject.quantity, FaultQuantity::DistanceAngle);
  EXPECT_EQ(outcome->subject.function, QuantityFunction::Tangent);
  EXPECT_EQ(outcome->entry, FigureEntry::a3);
  EXPECT_FALSE(std::isinf(run.distanceDelta[3]));
}

TEST_F(TriangleStepFixture, AngleBeyondHalfCircleCannotTakeTheLogarithm) {
  setTriangle(1, 200.0, -10.0, -10.0);
  const StageOutcome outcome = triangleStep(state, run, 1);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::NotPositiveForLog) << outcome->value;
}

TEST(ConvertTriangleAngles, TypedAnglesBecomeDecimalDegrees) {
  AdjustmentState state;
  state.distanceAngleDms[2] = "45.3012";
  state.advanceAngleDms[2] = "90";
  state.centralAngleDms[2] = "1.3";
  ASSERT_FALSE(convertTriangleAngles(state.typedFigure(), state, 2));
  EXPECT_NEAR(state.distanceAngle[2], 45.503333333333, 1e-10);
  EXPECT_EQ(state.advanceAngle[2], 90.0);
  EXPECT_EQ(state.centralAngle[2], 1.5);
  state.centralAngleDms[2] = "1e309";
  EXPECT_TRUE(convertTriangleAngles(state.typedFigure(), state, 2));
}

/// A run through three first-group corrected triangles with distinct angles,
/// each central angle 3.6" too large.
struct SecondGroupFixture : testing::Test {
  void SetUp() override {
    const double angles[4][3] = {{}, {35.0, 25.0, 120.0}, {40.0, 20.0, 120.0}, {25.0, 35.0, 120.0}};
    for (int i = 1; i <= 3; ++i) {
      const auto ti = static_cast<std::size_t>(i);
      state.distanceAngle[ti] = angles[i][0];
      state.advanceAngle[ti] = angles[i][1];
      state.centralAngle[ti] = angles[i][2] + 0.001;
      ASSERT_FALSE(triangleStep(state, run, i));
    }
    run.geometry.knownAngleA = 70.0;
    run.geometry.knownAngleB = 65.0;
    ASSERT_FALSE(secondGroupStep(state, run));
  }
  AdjustmentResults state;
  RunValues run;
};

TEST_F(SecondGroupFixture, RowsHaveTheirZeroColumnsAndSumToZeroWithinEachTriangle) {
  const ConditionMatrix& a = run.conditionMatrix;
  for (std::size_t c = 4; c <= 6; ++c) EXPECT_EQ(a[1][c], 0.0);
  for (std::size_t c = 7; c <= 9; ++c) EXPECT_EQ(a[2][c], 0.0);
  for (std::size_t c = 1; c <= 9; ++c) EXPECT_NE(a[3][c], 0.0);
  for (std::size_t row = 1; row <= 4; ++row) {
    for (std::size_t t = 0; t < 3; ++t) {
      EXPECT_NEAR(a[row][3 * t + 1] + a[row][3 * t + 2] + a[row][3 * t + 3], 0.0, 1e-12) << row << ',' << t;
    }
  }
  EXPECT_EQ(a[1][1], 2.0 / 3.0);
  EXPECT_EQ(a[2][4], 2.0 / 3.0);
  EXPECT_EQ(a[1][8], 2.0 / 3.0);
  const double u2 = (run.distanceDelta[2] - run.advanceDelta[2]) / 3.0;
  EXPECT_EQ(a[4][4], run.distanceDelta[2] - u2);
  EXPECT_EQ(a[4][5], -run.advanceDelta[2] - u2);
  EXPECT_EQ(a[4][6], -u2);
}

TEST_F(SecondGroupFixture, MisclosuresAreStoredSingleAndShownInTheirFields) {
  const double corrected1 = 35.0 - 1.2 / 3600.0;  // each angle of a triangle lost a third of 3.6"
  const double corrected3 = 35.0 - 1.2 / 3600.0;
  EXPECT_EQ(state.secondGroupW[1], static_cast<float>(((corrected1 + corrected3) - 70.0) * 3600.0));
  // Central angles 10.8" over the circle, each triangle's third of 3.6" taken off: 7.2" over.
  EXPECT_NEAR(state.secondGroupW[3], 7.2F, 1e-5F);
}

TEST_F(SecondGroupFixture, WeightFunctionRowsOfTriangleThree) {
  run.provisional.chosenTriangle = 3;
  weightFunctionStep(run);
  const ConditionMatrix& a = run.conditionMatrix;
  for (std::size_t c = 1; c <= 6; ++c) {
    EXPECT_EQ(a[5][c], 0.0);
    EXPECT_EQ(a[6][c], 0.0);
  }
  EXPECT_EQ(a[5][7], 2.0 / 3.0);
  EXPECT_EQ(a[5][8], -1.0 / 3.0);
  EXPECT_EQ(a[5][9], -1.0 / 3.0);
  const double q = (run.advanceDelta[3] - run.centralDelta[3]) / 3.0;
  EXPECT_EQ(a[6][7], -q);
  EXPECT_EQ(a[6][8], run.advanceDelta[3] - q);
  EXPECT_EQ(a[6][9], -run.centralDelta[3] - q);
}

TEST(SecondGroupStep, EqualDistanceAndAdvanceAnglesGiveAZeroSideCondition) {
  AdjustmentResults state;
  RunValues run;
  for (int i = 1; i <= 3; ++i) {
    const auto ti = static_cast<std::size_t>(i);
    state.distanceAngle[ti] = 30.0;
    state.advanceAngle[ti] = 30.0;
    state.centralAngle[ti] = 120.0;
    ASSERT_FALSE(triangleStep(state, run, i));
  }
  run.geometry.knownAngleA = 60.0;
  run.geometry.knownAngleB = 60.0;
  ASSERT_FALSE(secondGroupStep(state, run));
  EXPECT_EQ(run.logSineSum, 0.0);
  EXPECT_EQ(state.secondGroupW[4], 0.0F);
  EXPECT_EQ(state.secondGroupW[3], 0.0F);
  for (std::size_t t = 0; t < 3; ++t) {
    EXPECT_DOUBLE_EQ(run.conditionMatrix[4][3 * t + 1], run.distanceDelta[t + 1]);
    EXPECT_DOUBLE_EQ(run.conditionMatrix[4][3 * t + 2], -run.advanceDelta[t + 1]);
    EXPECT_EQ(run.conditionMatrix[4][3 * t + 3], 0.0);
  }
}

/// Three exact triangles whose second-group misclosures are planted: w1 through
/// the known angle at A, w2 at B, w3 through the sum of the central angles.
struct SecondGroupLimitCase {
  const char* name;
  double w1, w2, w3;  ///< planted, arc seconds
  int stop;           ///< the misclosure w1..w3 that stops the step; 0: the step goes on
  const char* shown;  ///< its value as the fault gives it
};

void PrintTo(const SecondGroupLimitCase& row, std::ostream* out) { *out << row.name; }

class SecondGroupLimits : public testing::TestWithParam<SecondGroupLimitCase> {};

TEST_P(SecondGroupLimits, StopBeyondTenMinutesOnceAllAreStored) {
  const SecondGroupLimitCase& row = GetParam();
  AdjustmentResults state;
  RunValues run;
  for (int i = 1; i <= 3; ++i) {
    const auto ti = static_cast<std::size_t>(i);
    state.distanceAngle[ti] = 30.0;
    state.advanceAngle[ti] = 30.0;
    state.centralAngle[ti] = 120.0;
    ASSERT_FALSE(triangleStep(state, run, i));
  }
  run.geometry.knownAngleA = 60.0 - row.w1 / 3600.0;
  run.geometry.knownAngleB = 60.0 - row.w2 / 3600.0;
  run.centralAngleSum = run.centralAngleSum + row.w3 / 3600.0;
  const StageOutcome outcome = secondGroupStep(state, run);
  EXPECT_NEAR(state.secondGroupW[3], row.w3, 1e-3) << "every misclosure is stored before the limits are checked";
  if (row.stop == 0) {
    EXPECT_FALSE(outcome) << outcome->value;
  } else {
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->step, ComputeStep::SecondGroupMisclosures);
    EXPECT_EQ(outcome->kind, FaultKind::GrossMisclosure);
    EXPECT_EQ(outcome->subject.quantity, FaultQuantity::SecondGroupMisclosure);
    EXPECT_EQ(outcome->subject.index, row.stop);
    EXPECT_FALSE(outcome->entry) << "a misclosure belongs to several typed values";
    EXPECT_EQ(outcome->value, row.shown);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, SecondGroupLimits,
                         testing::Values(SecondGroupLimitCase{"AllWithin", 599.9, -599.9, 599.9, 0, ""},
                                         SecondGroupLimitCase{"ExactlyTenMinutes", 600.0, -600.0, 600.0, 0, ""},
                                         SecondGroupLimitCase{"FixedAngleAOver", 600.1, 0.0, 0.0, 1, "600.1"},
                                         SecondGroupLimitCase{"FixedAngleANegativeOver", -600.1, 0.0, 0.0, 1, "-600.1"},
                                         SecondGroupLimitCase{"FixedAngleBOver", 0.0, 600.1, 0.0, 2, "600.1"},
                                         SecondGroupLimitCase{"CircleOver", 0.0, 0.0, -600.1, 3, "-600.1"},
                                         SecondGroupLimitCase{"FirstOverNamedFirst", 700.0, 800.0, 900.0, 1, "700"}),
                         [](const testing::TestParamInfo<SecondGroupLimitCase>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace velmora
