// The side condition's limit 2·m·sqrt(Σδ²) must be in w4's own units (sixth
// decimal of a common logarithm) when m is in arc seconds. These tests rebuild
// w4 independently from the typed angles, differentiate it numerically, and
// watch the stored w4 of noisy figures spread as the limit says.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "example_figures.h"
#include "figure_factory.h"
#include "grade/grade_checks.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

/// d.mmss text to decimal degrees, read digit by digit ("29.13491" = 29°13'49.1").
double degreesOfPacked(const std::string& packed) {
  const std::size_t point = packed.find('.');
  const double degrees = std::stod(packed.substr(0, point));
  const std::string digits = point == std::string::npos ? "" : packed.substr(point + 1) + "0000";
  const double minutes = std::stod(digits.substr(0, 2));
  const double seconds = std::stod(digits.substr(2, 2) + "." + digits.substr(4));
  return degrees + minutes / 60.0 + seconds / 3600.0;
}

/// The first-group corrected angles: each triangle's misclosure spread equally.
std::array<double, 9> firstGroupCorrected(const figures::Figure& figure) {
  std::array<double, 9> angles{};
  for (std::size_t t = 0; t < 3; ++t) {
    double sum = 0.0;
    for (std::size_t i = 3 * t; i < 3 * t + 3; ++i) sum += angles[i] = degreesOfPacked(figure.angleTexts[i]);
    for (std::size_t i = 3 * t; i < 3 * t + 3; ++i) angles[i] -= (sum - 180.0) / 3.0;
  }
  return angles;
}

/// w4: the distance angles' log-sine sum minus the advance angles', in sixth-decimal units.
double sideMisclosure(const std::array<double, 9>& angles) {
  double sum = 0.0;
  for (std::size_t t = 0; t < 3; ++t) {
    sum += std::log10(std::sin(angles[3 * t] * kRadiansPerDegree)) -
           std::log10(std::sin(angles[3 * t + 1] * kRadiansPerDegree));
  }
  return sum * 1e6;
}

/// sqrt of the sum of squared d w4 / d angle, per arc second, by central differences.
double numericSpread(std::array<double, 9> angles) {
  constexpr double kStepSeconds = 0.5;
  double sum = 0.0;
  for (std::size_t i = 0; i < 9; ++i) {
    const double kept = angles[i];
    angles[i] = kept + kStepSeconds / 3600.0;
    const double above = sideMisclosure(angles);
    angles[i] = kept - kStepSeconds / 3600.0;
    const double below = sideMisclosure(angles);
    angles[i] = kept;
    const double slope = (above - below) / (2.0 * kStepSeconds);
    sum += slope * slope;
  }
  return std::sqrt(sum);
}

class ExampleFigureSideCondition : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleFigureSideCondition, IndependentW4MatchesTheRunAndItsSlopesMatchTheSpread) {
  const ExampleRun run = exampleRun(GetParam());
  const std::array<double, 9> corrected = firstGroupCorrected(run.figure);
  // The rebuilt w4 is the run's own, so its slopes are in the run's units.
  EXPECT_NEAR(sideMisclosure(corrected), run.state.secondGroupW[4], 1e-3);
  // 2.1055 is 10^6 · (pi / 648000) / ln 10 = 2.105519 to four decimals: 9e-6 apart.
  EXPECT_NEAR(sideConditionSpread({corrected}), numericSpread(corrected), 2e-5 * numericSpread(corrected));
  // The limit uses the adjusted angles, a few seconds away: the spread barely moves.
  const GradeInputs inputs = gradeInputs(run.state);
  const SurveyGrade& fourth = *findSurveyGrade("四等");
  const double limit = assessGrade(inputs, fourth).checks[8].limit;
  EXPECT_NEAR(limit, 2.0 * 2.5 * numericSpread(corrected), 1e-3 * limit);
}

INSTANTIATE_TEST_SUITE_P(Figures, ExampleFigureSideCondition, ::testing::Values("P7", "Q1", "Q2", "Q3", "Q4", "Q5"));

// With m arc seconds of noise on every angle, w4 / (m·sqrt(Σδ²)) has a root
// mean square a little under one (the first group's correction takes a share);
// a unit slip (radians, natural logarithms, a missing 10^6) would be far off.
TEST(SideConditionSpread, NoisyFiguresSpreadW4AsTheLimitAssumes) {
  constexpr double kNoiseSeconds = 2.0;
  constexpr int kFigures = 400;
  std::mt19937_64 random(2024);
  double sumOfSquares = 0.0;
  for (int n = 0; n < kFigures; ++n) {
    const figures::Figure figure =
        figures::randomFigure(random, {.noiseSeconds = kNoiseSeconds, .secondDecimals = 3}, "P");
    AdjustmentState state;
    RecordingWindow window(figures::confirmedReplies(figure));
    ASSERT_EQ(computeRun(state, window).end, RunEnd::Complete);
    const double z = state.secondGroupW[4] / (kNoiseSeconds * sideConditionSpread(gradeInputs(state).adjustedAngles));
    sumOfSquares += z * z;
  }
  const double rms = std::sqrt(sumOfSquares / kFigures);
  EXPECT_GT(rms, 0.75);
  EXPECT_LT(rms, 1.1);
}

}  // namespace
}  // namespace velmora
