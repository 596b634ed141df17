#include "engine/known_side_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

namespace velmora {
namespace {

struct AzimuthCase {
  const char* name;
  double dx, dy;
  double azimuth;
  double tolerance;
};

// The ten-decimal pi leaves the general branch about 1.3e-9 degree off.
TEST(DirectedSide, AzimuthInEveryQuadrantAndOnEveryAxis) {
  const AzimuthCase cases[] = {
      {"due north", 100, 0, 0.0, 0.0},
      {"due south", -100, 0, 180.0, 0.0},
      {"due east", 0, 100, 90.0, 0.0},
      {"due west", 0, -100, 270.0, 0.0},
      {"coincident", 0, 0, 270.0, 0.0},
      {"north-east", 100, 100, 45.0000000013, 1e-10},
      {"south-east", -100, 100, 135.0, 1e-8},
      {"south-west", -100, -100, 225.0, 1e-8},
      {"north-west", 100, -100, 315.0, 1e-8},
      {"steep north-north-east", 1000, 1, std::atan(1.0 / 1000.0) * 180.0 / M_PI, 1e-8},
  };
  for (const AzimuthCase& c : cases) {
    const DirectedSide side = directedSide(0.0, 0.0, c.dx, c.dy);
    EXPECT_NEAR(side.azimuth, c.azimuth, c.tolerance) << c.name;
    EXPECT_DOUBLE_EQ(side.length, std::hypot(c.dx, c.dy)) << c.name;
  }
  // The general branch is offset by the short pi, not by chance: both the
  // north-east value and its ordering against the true 45 are fixed.
  EXPECT_GT(directedSide(0, 0, 100, 100).azimuth, 45.0);
}

// dx not zero but the sine of the azimuth rounding to +-1: the exact east/west branch.
TEST(DirectedSide, NearlyDueEastOrWestTakesTheAxisAzimuth) {
  EXPECT_EQ(directedSide(0.0, 0.0, 1e-200, 100.0).azimuth, 90.0);
  EXPECT_EQ(directedSide(0.0, 0.0, -1e-200, -100.0).azimuth, 270.0);
  EXPECT_TRUE(std::isfinite(directedSide(0.0, 0.0, 1e-9, 1e9).azimuth));
}

FigureTexts statePoints(const char* xa, const char* ya, const char* xb, const char* yb, const char* xc,
                        const char* yc) {
  return FigureTexts{xa, ya, xb, yb, xc, yc};
}

TEST(KnownSideStep, KnownAnglesOfAClockwiseTriangle) {
  const FigureTexts state = statePoints("0", "0", "0", "100", "-100", "50");
  KnownSideGeometry g;
  ASSERT_FALSE(knownSideStep(state, g));
  EXPECT_EQ(g.azimuthAB, 90.0);
  EXPECT_NEAR(g.azimuthBC, 206.565, 1e-3);
  EXPECT_NEAR(g.azimuthCA, 333.435, 1e-3);
  EXPECT_NEAR(g.knownAngleA, 63.435, 1e-3);
  EXPECT_NEAR(g.knownAngleB, 63.435, 1e-3);
  EXPECT_EQ(g.sideAB, 100.0);
  EXPECT_NEAR(g.sideBC, std::hypot(100.0, 50.0), 1e-12);
}

struct KnownPointsCase {
  const char* name;
  std::array<const char*, 6> coordinates;  ///< xa, ya, xb, yb, xc, yc
  std::optional<FaultKind> stop;           ///< none: the step goes on
  int side = 0;                            ///< of coincident points: 1 AB, 2 BC, 3 CA
};

void PrintTo(const KnownPointsCase& row, std::ostream* out) { *out << row.name; }

class KnownPoints : public testing::TestWithParam<KnownPointsCase> {};

TEST_P(KnownPoints, CoincidentCollinearOrCounterClockwiseStop) {
  const auto& c = GetParam().coordinates;
  const FigureTexts state = statePoints(c[0], c[1], c[2], c[3], c[4], c[5]);
  KnownSideGeometry g;
  const StageOutcome outcome = knownSideStep(state, g);
  if (!GetParam().stop) {
    EXPECT_FALSE(outcome) << outcome->value;
  } else {
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->step, ComputeStep::KnownSides);
    EXPECT_EQ(outcome->kind, *GetParam().stop);
    EXPECT_EQ(outcome->subject.index, GetParam().side);
  }
}

// C is 0.0009 m or 0.0011 m off the 100 m line AB: the height over the longest side decides.
INSTANTIATE_TEST_SUITE_P(
    Rows, KnownPoints,
    testing::Values(
        KnownPointsCase{"Clockwise", {"0", "0", "0", "100", "-100", "50"}, std::nullopt},
        KnownPointsCase{"CounterClockwise", {"0", "100", "0", "0", "-100", "50"}, FaultKind::CounterClockwise},
        KnownPointsCase{"AEqualsB", {"5", "5", "5", "5", "-100", "50"}, FaultKind::CoincidentPoints, 1},
        KnownPointsCase{"BNearC", {"0", "0", "0", "100", "0.0009", "100"}, FaultKind::CoincidentPoints, 2},
        KnownPointsCase{"CNearA", {"0", "0", "0", "100", "0", "0.0009"}, FaultKind::CoincidentPoints, 3},
        KnownPointsCase{"PairApartButFlat", {"0", "0", "0.0011", "0", "-100", "50"}, FaultKind::CollinearPoints},
        KnownPointsCase{"CJustBelowTheLine", {"0", "0", "0", "100", "-0.0011", "50"}, std::nullopt},
        KnownPointsCase{"CTooCloseToTheLine", {"0", "0", "0", "100", "-0.0009", "50"}, FaultKind::CollinearPoints},
        KnownPointsCase{"CBeyondBOnTheLine", {"0", "0", "0", "100", "0", "300"}, FaultKind::CollinearPoints}),
    [](const testing::TestParamInfo<KnownPointsCase>& row) { return std::string(row.param.name); });

TEST(KnownSideStep, TypedTextThatIsNotANumberCannotCompute) {
  const FigureTexts state = statePoints("0", "0", "0", "1OO", "-100", "50");
  KnownSideGeometry g;
  const StageOutcome outcome = knownSideStep(state, g);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::BrokenEntry);
  EXPECT_EQ(outcome->rule, EntryRule::NotANumber);
  EXPECT_EQ(outcome->entry, FigureEntry::yb);
  EXPECT_EQ(outcome->value, "1OO");
}

TEST(KnownSideStep, OverflowingSideCannotCompute) {
  const FigureTexts state = statePoints("0", "0", "1e200", "1e200", "-100", "50");
  KnownSideGeometry g;
  EXPECT_TRUE(knownSideStep(state, g));
}

TEST(ProvisionalDistanceStep, SineRuleAndTheLongestSide) {
  AdjustmentResults state;
  KnownSideGeometry g;
  g.sideAB = 1000.0, g.sideBC = 1000.0, g.sideCA = 1000.0;
  state.advanceAngle = {{30, 30, 40}};
  state.centralAngle = {{120, 120, 100}};
  ProvisionalDistances d;
  ASSERT_FALSE(provisionalDistanceStep(state, g, d));
  const double k = 3.1415926535 / 180.0;
  EXPECT_DOUBLE_EQ(d.distancePA, (1000.0 * std::sin(30 * k)) / std::sin(120 * k));
  EXPECT_EQ(d.chosenTriangle, 3);
  EXPECT_EQ(d.longestSide, d.distancePC);
}

// Ties have no strictly longest side; the first of the tied in the order PA, PB, PC is taken.
TEST(ProvisionalDistanceStep, TiedLongestSidesTakeTheFirstInOrder) {
  struct TieCase {
    double pa, pb, pc;
    int chosen;
  };
  const TieCase cases[] = {{2, 2, 1, 1}, {1, 2, 2, 2}, {2, 1, 2, 1}, {3, 3, 3, 1}};
  for (const TieCase& c : cases) {
    AdjustmentResults state;
    KnownSideGeometry g;
    g.sideAB = c.pa, g.sideBC = c.pb, g.sideCA = c.pc;
    state.advanceAngle = {{90, 90, 90}};
    state.centralAngle = {{90, 90, 90}};
    ProvisionalDistances d;
    ASSERT_FALSE(provisionalDistanceStep(state, g, d));
    EXPECT_EQ(d.chosenTriangle, c.chosen) << c.pa << ' ' << c.pb << ' ' << c.pc;
  }
}

TEST(ProvisionalDistanceStep, CentralAngleWithZeroSineCannotCompute) {
  AdjustmentResults state;
  KnownSideGeometry g;
  state.advanceAngle = {{30, 30, 30}};
  state.centralAngle = {{120, 0, 120}};
  ProvisionalDistances d;
  const StageOutcome outcome = provisionalDistanceStep(state, g, d);
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::ZeroDivisor);
  EXPECT_EQ(outcome->subject.quantity, FaultQuantity::CentralAngle);
  EXPECT_EQ(outcome->subject.function, QuantityFunction::Sine);
  EXPECT_EQ(outcome->entry, FigureEntry::c2);
}

}  // namespace
}  // namespace velmora
