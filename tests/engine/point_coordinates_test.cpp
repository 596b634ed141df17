#include "engine/point_coordinates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/normal_equations.h"

namespace velmora {
namespace {

constexpr double kK = 3.1415926535 / 180.0;

/// A symmetric figure: each triangle 30, 30, 120 degrees on sides of 1000 m.
struct CoordinateFixture : testing::Test {
  void SetUp() override {
    for (std::size_t t = 1; t <= 3; ++t) {
      state.distanceAngle[t] = 30.0;
      state.advanceAngle[t] = 30.0;
      state.centralAngle[t] = 120.0;
    }
    KnownSideGeometry& g = run.geometry;
    g.a = {1000.0, 2000.0}, g.b = {1866.025, 2500.0}, g.c = {1000.0, 3000.0};
    g.sideAB = 1000.0, g.sideBC = 1000.0, g.sideCA = 1000.0;
    g.azimuthAB = 30.0, g.azimuthBC = 150.0, g.azimuthCA = 270.0;
  }
  /// The sides to P, then the six coordinates in order.
  StageOutcome coordinates() {
    SidesToP sides;
    if (StageOutcome outcome = sidesToP(state, run.geometry, sides)) return outcome;
    for (std::size_t n = 0; n < kCoordinatesOfP; ++n) {
      if (StageOutcome outcome = coordinateOfP(n, run.geometry, sides, state)) return outcome;
    }
    return done();
  }
  AdjustmentResults state;
  RunValues run;
};

TEST_F(CoordinateFixture, ComputesFromEachKnownPoint) {
  ASSERT_FALSE(coordinates());
  const double side = (1000.0 * std::sin(30.0 * kK)) / std::sin(120.0 * kK);
  EXPECT_DOUBLE_EQ(state.xp1, 1000.0 + side * std::cos(60.0 * kK));
  EXPECT_DOUBLE_EQ(state.yp1, 2000.0 + side * std::sin(60.0 * kK));
  EXPECT_DOUBLE_EQ(state.xp3, 1000.0 + side * std::cos(300.0 * kK));
  EXPECT_NEAR(state.xp2, state.xp1, 1e-3);  // B is written to a millimetre
  EXPECT_NEAR(state.yp3, state.yp1, 1e-3);
}

TEST_F(CoordinateFixture, AzimuthAboveAFullCircleIsReducedOnce) {
  run.geometry.azimuthAB = 350.0;
  state.distanceAngle[1] = 15.0;
  ASSERT_FALSE(coordinates());
  // A-P comes from triangle 3, whose distance angle at C faces it.
  const double side = (1000.0 * std::sin(30.0 * kK)) / std::sin(120.0 * kK);
  EXPECT_NEAR(state.xp1, 1000.0 + side * std::cos(5.0 * kK), 1e-9);
}

TEST_F(CoordinateFixture, ZeroCentralAngleCannotComputeAndStoresNothing) {
  state.centralAngle[1] = 0.0;
  const StageOutcome outcome = coordinates();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->kind, FaultKind::ZeroDivisor);
  EXPECT_EQ(outcome->subject.function, QuantityFunction::Sine);
  EXPECT_EQ(outcome->entry, FigureEntry::c1);
  EXPECT_EQ(state.xp1, 0.0);
}

TEST(CorrectTriangleAngles, AddsTheCorrectionsInSeconds) {
  AdjustmentResults state;
  state.distanceAngle[2] = 10.0, state.advanceAngle[2] = 20.0, state.centralAngle[2] = 150.0;
  AngleArray<double> v{};
  v[4] = 3.6, v[5] = -7.2, v[6] = 36.0;
  correctTriangleAngles(state, v, 2);
  EXPECT_DOUBLE_EQ(state.distanceAngle[2], 10.001);
  EXPECT_DOUBLE_EQ(state.advanceAngle[2], 19.998);
  EXPECT_DOUBLE_EQ(state.centralAngle[2], 150.01);
}

}  // namespace
}  // namespace velmora
