#include "engine/normal_equations.h"

#include <array>
#include <cstdint>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"

namespace velmora {
namespace {

constexpr int kUnknowns = 4;  // correlates
constexpr int kConstantColumn = 5;
constexpr StepAt kCorrectionStep{ComputeStep::Corrections};
constexpr StepAt kReductionStep{ComputeStep::NormalReduction};

FaultSubject pivot(std::size_t p) { return {FaultQuantity::Pivot, static_cast<std::uint8_t>(p)}; }

/// Reduces rows 2..4 of the upper triangle of `n`, columns up to the constant column.
StageOutcome reduceUpperTriangle(NormalMatrix& n, StepAt step) {
  for (std::size_t i = 2; i <= kUnknowns; ++i) {
    for (std::size_t j = i; j <= kConstantColumn; ++j) {
      double t = n[i][j];
      for (std::size_t p = 1; p < i; ++p) {
        if (StageOutcome outcome = requireNonZeroDivisor(n[p][p], pivot(p), step)) {
          return outcome;
        }
        t = t - n[p][i] * n[p][j] / n[p][p];
      }
      if (StageOutcome outcome = requireFinite(t, {FaultQuantity::ReducedCoefficient}, step)) return outcome;
      n[i][j] = t;
    }
  }
  return done();
}

/// Back substitution of the reduced system into `x` (1..4).
StageOutcome backSubstitute(const NormalMatrix& n, std::array<double, 5>& x, StepAt step) {
  for (std::size_t i = kUnknowns; i >= 1; --i) {
    double t = n[i][kConstantColumn];
    for (std::size_t j = i + 1; j <= kUnknowns; ++j) t = t + n[i][j] * x[j];
    if (StageOutcome outcome = requireNonZeroDivisor(n[i][i], pivot(i), step)) {
      return outcome;
    }
    x[i] = -t / n[i][i];
    if (StageOutcome outcome = requireFinite(x[i], {FaultQuantity::NormalSolution}, step)) return outcome;
  }
  return done();
}

}  // namespace

StageOutcome weightReciprocal(RunValues& run, int column, double& reciprocal) {
  double r = 0.0;
  if (StageOutcome outcome = cm1(run.normalsWork, run.normals, column, r)) return outcome;
  const auto c = static_cast<std::size_t>(column);
  reciprocal = run.normals[c][c] + r;
  return requireFinite(reciprocal, {FaultQuantity::WeightReciprocal, static_cast<std::uint8_t>(column)},
                       kReductionStep);
}

void refreshWorkingCopy(RunValues& run) {
  NormalMatrix& work = run.normalsWork;
  for (std::size_t i = 1; i <= kUnknowns; ++i) {
    work[i][kConstantColumn] = work[i][6];
    for (std::size_t j = 1; j <= kUnknowns; ++j) {
      work[i][j] = run.normals[i][j];
      work[j][i] = run.normals[j][i];
    }
  }
}

void formNormals(RunValues& run) {
  const ConditionMatrix& a = run.conditionMatrix;
  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t j = i; j <= 6; ++j) {  // symmetric: each product once, mirrored
      double s = 0.0;
      for (std::size_t c = 1; c <= 9; ++c) s = s + a[i][c] * a[j][c];
      run.normalsWork[i][j] = s;
      run.normalsWork[j][i] = s;
      run.normals[i][j] = s;
      run.normals[j][i] = s;
    }
  }
}

StageOutcome cm1(NormalMatrix& work, const NormalMatrix& reference, int column, double& result) {
  if (StageOutcome outcome = reduceUpperTriangle(work, kReductionStep)) return outcome;
  std::array<double, 5> x{};
  if (StageOutcome outcome = backSubstitute(work, x, kReductionStep)) return outcome;
  double r = 0.0;
  for (std::size_t i = 1; i <= kUnknowns; ++i) r = r + x[i] * reference[i][static_cast<std::size_t>(column)];
  result = r;
  return requireFinite(result, {FaultQuantity::WeightQuadraticTerm}, kReductionStep);
}

StageOutcome correlateStep(AdjustmentResults& results, RunValues& run) {
  const StepAt step{ComputeStep::Correlates};
  NormalMatrix& n = run.normals;
  for (std::size_t i = 1; i <= kUnknowns; ++i) n[i][kConstantColumn] = results.secondGroupW[i];
  if (StageOutcome outcome = reduceUpperTriangle(n, step)) return outcome;
  std::array<double, 5> k{};
  if (StageOutcome outcome = backSubstitute(n, k, step)) return outcome;
  for (std::size_t i = 1; i <= kUnknowns; ++i) results.k[i] = k[i];
  return done();
}

void correctTriangleAngles(AdjustmentResults& results, const std::array<double, 10>& v, int t) {
  const auto ti = static_cast<std::size_t>(t);
  const auto c = static_cast<std::size_t>(3 * t);
  results.distanceAngle[ti] = results.distanceAngle[ti] + v[c - 2] / kSecondsPerDegree;
  results.advanceAngle[ti] = results.advanceAngle[ti] + v[c - 1] / kSecondsPerDegree;
  results.centralAngle[ti] = results.centralAngle[ti] + v[c] / kSecondsPerDegree;
}

StageOutcome correctionStep(AdjustmentResults& results, RunValues& run) {
  const ConditionMatrix& a = run.conditionMatrix;
  const ConditionArray<double>& k = results.k;
  for (int t = 1; t <= 3; ++t) {
    const auto first = static_cast<std::size_t>(3 * t - 2);
    for (std::size_t c = first; c <= first + 2; ++c) {
      run.v[c] = ((k[1] * a[1][c] + k[2] * a[2][c]) + k[3] * a[3][c]) + k[4] * a[4][c];
      if (StageOutcome outcome = requireFinite(run.v[c], {FaultQuantity::Correction}, kCorrectionStep)) return outcome;
    }
    correctTriangleAngles(results, run.v, t);
    run.secondGroupVv = ((run.secondGroupVv + run.v[first] * run.v[first]) + run.v[first + 1] * run.v[first + 1]) +
                        run.v[first + 2] * run.v[first + 2];
  }
  return requireFinite(run.secondGroupVv, {FaultQuantity::CorrectionVv}, kCorrectionStep);
}

}  // namespace velmora
