#include "check/rigorous_adjustment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "figure_check.h"

namespace velmora {
namespace {

using figures::FigureOptions;

TEST(RigorousAdjustment, NoiseFreeFigureGivesTheTruePointAndNoResiduals) {
  std::mt19937_64 random(11);
  for (int n = 0; n < 20; ++n) {
    const CheckedFigure checked = checkedFigure(random, {.noiseSeconds = 0.0, .secondDecimals = 5});
    const RigorousCheck& check = *checked.outcome.check;
    EXPECT_NEAR(check.p.x, checked.figure.p.x, 1e-5) << "figure " << n;
    EXPECT_NEAR(check.p.y, checked.figure.p.y, 1e-5) << "figure " << n;
    for (const double v : check.residuals) EXPECT_LT(std::fabs(v), 1e-4) << "figure " << n;
  }
}

TEST(RigorousAdjustment, DisturbedFigureAgreesWithTheClassicalResult) {
  std::mt19937_64 random(23);
  for (int n = 0; n < 200; ++n) {
    const CheckedFigure checked = checkedFigure(random, {.noiseSeconds = 2.0, .secondDecimals = 1});
    const RigorousCheck& check = *checked.outcome.check;
    const AdjustmentState& s = checked.state;
    for (const double dx : {s.xp1 - check.p.x, s.xp2 - check.p.x, s.xp3 - check.p.x}) {
      EXPECT_LT(std::fabs(dx), 1e-4) << "figure " << n;
    }
    for (const double dy : {s.yp1 - check.p.y, s.yp2 - check.p.y, s.yp3 - check.p.y}) {
      EXPECT_LT(std::fabs(dy), 1e-4) << "figure " << n;
    }
    EXPECT_NEAR(s.mb, check.m0, 0.01 * check.m0) << "figure " << n;
    EXPECT_GE(check.iterations, 1);
  }
}

class GrossError : public ::testing::TestWithParam<std::size_t> {};

TEST_P(GrossError, SixtySecondsAreFlaggedOnThatAngleAlone) {
  const std::size_t angle = GetParam();
  std::mt19937_64 random(100 + angle);
  for (int n = 0; n < 10; ++n) {
    const FigureOptions options{.noiseSeconds = 1.5, .secondDecimals = 1, .grossAngle = angle, .grossSeconds = 60.0};
    const RigorousCheck check = *checkedFigure(random, options).outcome.check;
    for (std::size_t a = 1; a <= kObservedAngles; ++a) {
      EXPECT_EQ(check.flagged[a], a == angle) << "figure " << n << ", angle " << a;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachAngle, GrossError, ::testing::Range<std::size_t>(1, 10));

TEST(RigorousAdjustment, PrecisionFiguresAreConsistent) {
  std::mt19937_64 random(5);
  for (int n = 0; n < 20; ++n) {
    const RigorousCheck c = *checkedFigure(random, {.noiseSeconds = 2.0}).outcome.check;
    // The redundancy numbers share out the seven redundant observations.
    EXPECT_NEAR(std::accumulate(c.redundancy.begin(), c.redundancy.end(), 0.0), 7.0, 1e-9);
    for (const double r : c.redundancy) EXPECT_TRUE(r > 0.0 && r < 1.0);
    double vv = 0.0;
    for (const double v : c.residuals) vv += v * v;
    EXPECT_NEAR(c.m0, std::sqrt(vv / 7.0), 1e-12);
    EXPECT_NEAR(c.mp * c.mp, c.mx * c.mx + c.my * c.my, 1e-9 * c.mp * c.mp);
    EXPECT_NEAR(c.ellipse.a * c.ellipse.a + c.ellipse.b * c.ellipse.b, c.mp * c.mp, 1e-9 * c.mp * c.mp);
    EXPECT_GE(c.ellipse.a, c.ellipse.b);
  }
}

TEST(RigorousAdjustment, StandardizedResidualIsTheStudentizedOneOnTheNormalScale) {
  std::mt19937_64 random(9);
  const RigorousCheck c = *checkedFigure(random, {.noiseSeconds = 2.0}).outcome.check;
  double vv = 0.0;
  for (const double v : c.residuals) vv += v * v;
  for (std::size_t a = 1; a <= kObservedAngles; ++a) {
    const double r = c.redundancy[a];
    const double deleted = std::sqrt((vv - c.residuals[a] * c.residuals[a] / r) / 6.0);
    const double t = c.residuals[a] / (deleted * std::sqrt(r));
    // Both tails the same: Student's t with 6 degrees of freedom in its textbook
    // closed form, and the normal one through erfc.
    const double x = std::fabs(t) / std::sqrt(6.0 + t * t), u = 6.0 / (6.0 + t * t);
    const double studentTail = 1.0 - x * (1.0 + u / 2.0 + 3.0 * u * u / 8.0);
    EXPECT_NEAR(std::erfc(std::fabs(c.standardized[a]) / std::sqrt(2.0)), studentTail, 1e-9 * studentTail) << a;
    EXPECT_EQ(std::signbit(c.standardized[a]), std::signbit(t)) << a;
  }
}

TEST(RigorousAdjustment, SoundFiguresAreSeldomFlagged) {
  std::mt19937_64 random(31);
  int flaggedFigures = 0;
  const int figures = 2000;
  for (int n = 0; n < figures; ++n) {
    const RigorousCheck c = *checkedFigure(random, {.noiseSeconds = 1.5, .secondDecimals = 2}).outcome.check;
    if (std::find(c.flagged.begin(), c.flagged.end(), true) != c.flagged.end()) ++flaggedFigures;
  }
  // Nine tests at 0.1 % each: about 0.9 % of sound figures, 18 of 2000.
  EXPECT_LT(flaggedFigures, 45);
}

TEST(RigorousAdjustment, StartOnAKnownPointCannotCompute) {
  std::mt19937_64 random(3);
  const CheckedFigure checked = checkedFigure(random, {});
  CheckObservations observations;
  observations.known = {PlanePoint{checked.figure.a.x, checked.figure.a.y},
                        PlanePoint{checked.figure.b.x, checked.figure.b.y},
                        PlanePoint{checked.figure.c.x, checked.figure.c.y}};
  observations.start = observations.known[0];
  const CheckOutcome outcome = rigorousAdjustment(observations);
  EXPECT_FALSE(outcome.check.has_value());
  EXPECT_FALSE(outcome.failure.empty());
}

}  // namespace
}  // namespace velmora
