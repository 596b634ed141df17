#include "engine/point_coordinates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/recording_window.h"

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
    state.pointName = " P7";
    KnownSideGeometry& g = run.geometry;
    g.a = {1000.0, 2000.0}, g.b = {1866.025, 2500.0}, g.c = {1000.0, 3000.0};
    g.sideAB = 1000.0, g.sideBC = 1000.0, g.sideCA = 1000.0;
    g.azimuthAB = 30.0, g.azimuthBC = 150.0, g.azimuthCA = 270.0;
  }
  AdjustmentState state;
  RunValues run;
  RecordingWindow window;
};

TEST_F(CoordinateFixture, ComputesFromEachKnownPointAndShowsInOrder) {
  ASSERT_FALSE(coordinateStep(state, run, window));
  const double side = (1000.0 * std::sin(30.0 * kK)) / std::sin(120.0 * kK);
  EXPECT_DOUBLE_EQ(state.xp1, 1000.0 + side * std::cos(60.0 * kK));
  EXPECT_DOUBLE_EQ(state.yp1, 2000.0 + side * std::sin(60.0 * kK));
  EXPECT_DOUBLE_EQ(state.xp3, 1000.0 + side * std::cos(300.0 * kK));
  std::vector<std::string> fields;
  for (const auto& operation : window.operations()) fields.push_back(operation.control);
  EXPECT_EQ(fields, (std::vector<std::string>{"Text18", "Text19", "Text20", "Text5", "Text22", "Text23", "Text24"}));
  EXPECT_EQ(window.lastText("Text18"), "    P7");  // three blanks, then the name as typed
  EXPECT_EQ(window.lastText("Text19"), " 1288.675");
}

TEST_F(CoordinateFixture, AzimuthAboveAFullCircleIsReducedOnce) {
  run.geometry.azimuthAB = 350.0;
  state.distanceAngle[1] = 15.0;
  ASSERT_FALSE(coordinateStep(state, run, window));
  // A-P comes from triangle 3, whose distance angle at C faces it.
  const double side = (1000.0 * std::sin(30.0 * kK)) / std::sin(120.0 * kK);
  EXPECT_NEAR(state.xp1, 1000.0 + side * std::cos(5.0 * kK), 1e-9);
}

TEST_F(CoordinateFixture, ZeroCentralAngleCannotComputeAndShowsNothing) {
  state.centralAngle[1] = 0.0;
  const StageOutcome outcome = coordinateStep(state, run, window);
  ASSERT_TRUE(outcome);
  EXPECT_NE(outcome->reason.find("中心角 C(1)"), std::string::npos);
  EXPECT_TRUE(window.operations().empty());
}

TEST(CorrectTriangleAngles, AddsTheCorrectionsInSeconds) {
  AdjustmentState state;
  state.distanceAngle[2] = 10.0, state.advanceAngle[2] = 20.0, state.centralAngle[2] = 150.0;
  std::array<double, 10> v{};
  v[4] = 3.6, v[5] = -7.2, v[6] = 36.0;
  correctTriangleAngles(state, v, 2);
  EXPECT_DOUBLE_EQ(state.distanceAngle[2], 10.001);
  EXPECT_DOUBLE_EQ(state.advanceAngle[2], 19.998);
  EXPECT_DOUBLE_EQ(state.centralAngle[2], 150.01);
}

}  // namespace
}  // namespace velmora
