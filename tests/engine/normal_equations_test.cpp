#include "engine/normal_equations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

NormalMatrix exampleWork() {
  NormalMatrix n{};
  const double rows[4][5] = {{4, 2, 0, 0, 1}, {2, 3, 1, 0, 1}, {0, 1, 2, 0, 1}, {0, 0, 0, 1, 1}};
  for (std::size_t i = 1; i <= 4; ++i) {
    for (std::size_t j = 1; j <= 5; ++j) n[i][j] = rows[i - 1][j - 1];
  }
  return n;
}

TEST(Cm1, ReducesTheExampleSystemExactly) {
  NormalMatrix work = exampleWork();
  NormalMatrix reference{};
  for (std::size_t i = 1; i <= 4; ++i) reference[i][5] = 1.0;
  const int column = 5;
  double r = 0.0;
  ASSERT_FALSE(cm1(work, reference, column, r));
  EXPECT_EQ(work[2][2], 2.0);
  EXPECT_EQ(work[2][3], 1.0);
  EXPECT_EQ(work[2][5], 0.5);
  EXPECT_EQ(work[3][3], 1.5);
  EXPECT_EQ(work[3][5], 0.75);
  EXPECT_EQ(work[4][4], 1.0);
  EXPECT_EQ(work[4][5], 1.0);
  EXPECT_EQ(work[1][1], 4.0);  // row 1 is not changed
  EXPECT_EQ(r, -1.75);
  EXPECT_EQ(10.0 + r, 8.25);  // the weight reciprocal with [ff] = 10
}

TEST(Cm1, ZeroPivotCannotCompute) {
  NormalMatrix work = exampleWork();
  work[4][4] = 0.0;
  const int column = 5;
  double r = 0.0;
  const StageOutcome outcome = cm1(work, work, column, r);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::ZeroDivisor);
  EXPECT_EQ(outcome->subject.quantity, FaultQuantity::Pivot);
}

/// Condition rows of a realistic figure: three triangles reduced, sine coefficients varied.
RunValues realisticRun() {
  RunValues run;
  ConditionMatrix& a = run.conditionMatrix;
  const double third = 1.0 / 3.0;
  const double deltas[4][3] = {{}, {3.1, 1.4, -0.9}, {2.2, 4.0, -1.7}, {1.1, 2.6, -0.4}};
  for (std::size_t t = 1; t <= 3; ++t) {
    const std::size_t c = 3 * (t - 1);
    a[3][c + 1] = -third, a[3][c + 2] = -third, a[3][c + 3] = 2 * third;
    const double u = (deltas[t][0] - deltas[t][1]) / 3.0;
    a[4][c + 1] = deltas[t][0] - u, a[4][c + 2] = -deltas[t][1] - u, a[4][c + 3] = -u;
  }
  a[1][1] = 2 * third, a[1][2] = -third, a[1][3] = -third, a[1][7] = -third, a[1][8] = 2 * third, a[1][9] = -third;
  a[2][1] = -third, a[2][2] = 2 * third, a[2][3] = -third, a[2][4] = 2 * third, a[2][5] = -third, a[2][6] = -third;
  a[5][4] = 2 * third, a[5][5] = -third, a[5][6] = -third;
  const double q = (deltas[2][1] - deltas[2][2]) / 3.0;
  a[6][4] = -q, a[6][5] = deltas[2][1] - q, a[6][6] = -deltas[2][2] - q;
  return run;
}

/// Solves the 4x4 system by Gauss-Jordan with partial pivoting (an independent method).
std::array<double, 4> solveIndependently(std::array<std::array<double, 5>, 4> m) {
  for (std::size_t col = 0; col < 4; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < 4; ++r) {
      if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
    }
    std::swap(m[col], m[pivot]);
    for (std::size_t r = 0; r < 4; ++r) {
      if (r == col) continue;
      const double f = m[r][col] / m[col][col];
      for (std::size_t c = col; c < 5; ++c) m[r][c] -= f * m[col][c];
    }
  }
  return {m[0][4] / m[0][0], m[1][4] / m[1][1], m[2][4] / m[2][2], m[3][4] / m[3][3]};
}

/// [ff] - F^T N^-1 F for weight function row `f`, from the condition rows directly.
double independentWeightReciprocal(const ConditionMatrix& a, std::size_t f) {
  auto dot = [&](std::size_t i, std::size_t j) {
    double s = 0.0;
    for (std::size_t c = 1; c <= 9; ++c) s += a[i][c] * a[j][c];
    return s;
  };
  std::array<std::array<double, 5>, 4> system{};
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t j = 0; j < 4; ++j) system[i][j] = dot(i + 1, j + 1);
    system[i][4] = dot(i + 1, f);
  }
  const std::array<double, 4> y = solveIndependently(system);
  double quadratic = 0.0;
  for (std::size_t i = 0; i < 4; ++i) quadratic += system[i][4] * y[i];
  return dot(f, f) - quadratic;
}

/// 1/pb, then 1/ps on the refreshed working copy, as a run evaluates them.
StageOutcome weightReciprocals(AdjustmentResults& results, RunValues& run) {
  if (StageOutcome outcome = weightReciprocal(run, kAzimuthFunctionColumn, results.invPb)) return outcome;
  refreshWorkingCopy(run);
  return weightReciprocal(run, kSideFunctionColumn, results.invPs);
}

TEST(WeightReciprocals, EqualTheQuadraticFormComputedIndependently) {
  RunValues run = realisticRun();
  AdjustmentResults state;
  formNormals(run);
  ASSERT_FALSE(weightReciprocals(state, run));
  EXPECT_NEAR(state.invPb, independentWeightReciprocal(run.conditionMatrix, 5), 1e-12);
  EXPECT_NEAR(state.invPs, independentWeightReciprocal(run.conditionMatrix, 6), 1e-12);
  EXPECT_GE(state.invPb, 0.0);
  EXPECT_GE(state.invPs, 0.0);
}

// The refresh restores everything cm1 reads: 1/ps is the same without a first evaluation.
TEST(WeightReciprocals, SecondEvaluationDoesNotDependOnTheFirst) {
  RunValues both = realisticRun();
  AdjustmentResults state;
  formNormals(both);
  ASSERT_FALSE(weightReciprocals(state, both));

  RunValues alone = realisticRun();
  formNormals(alone);
  for (std::size_t i = 1; i <= 4; ++i) alone.normalsWork[i][5] = alone.normalsWork[i][6];
  const int column = 6;
  double r = 0.0;
  ASSERT_FALSE(cm1(alone.normalsWork, alone.normals, column, r));
  EXPECT_EQ(state.invPs, alone.normals[6][6] + r);
}

TEST(Correlates, CorrectionsSatisfyEveryLinearisedCondition) {
  RunValues run = realisticRun();
  AdjustmentResults state;
  state.secondGroupW = {0.0F, 4.5F, -3.25F, 1.75F, 12.0F};
  formNormals(run);
  ASSERT_FALSE(weightReciprocals(state, run));
  ASSERT_FALSE(correlateStep(state, run));
  EXPECT_EQ(run.normals[1][5], 4.5);  // row 1 of the constant column stays the misclosure
  ASSERT_FALSE(correctionStep(state, run));
  double vv = 0.0;
  for (std::size_t i = 1; i <= 4; ++i) {
    double condition = 0.0;
    for (std::size_t c = 1; c <= 9; ++c) condition += run.conditionMatrix[i][c] * run.v[c];
    EXPECT_NEAR(condition, -static_cast<double>(state.secondGroupW[i]), 1e-9) << i;
  }
  for (std::size_t c = 1; c <= 9; ++c) vv += run.v[c] * run.v[c];
  EXPECT_NEAR(run.secondGroupVv, vv, 1e-9);
}

TEST(Correlates, ZeroMisclosuresGiveZeroCorrections) {
  RunValues run = realisticRun();
  AdjustmentResults state;
  state.distanceAngle[1] = 35.0;
  formNormals(run);
  ASSERT_FALSE(correlateStep(state, run));
  ASSERT_FALSE(correctionStep(state, run));
  for (std::size_t i = 1; i <= 4; ++i) EXPECT_EQ(state.k[i], 0.0);
  EXPECT_EQ(run.secondGroupVv, 0.0);
  EXPECT_EQ(state.distanceAngle[1], 35.0);
}

TEST(Correlates, DiagonalSystemGivesMinusMisclosureOverDiagonal) {
  RunValues run;
  for (std::size_t i = 1; i <= 4; ++i) run.conditionMatrix[i][i] = static_cast<double>(i);
  AdjustmentResults state;
  state.secondGroupW = {0.0F, 2.0F, -8.0F, 9.0F, 32.0F};
  formNormals(run);
  ASSERT_FALSE(correlateStep(state, run));
  for (std::size_t i = 1; i <= 4; ++i) {
    EXPECT_DOUBLE_EQ(state.k[i], -static_cast<double>(state.secondGroupW[i]) / static_cast<double>(i * i));
  }
}

}  // namespace
}  // namespace velmora
