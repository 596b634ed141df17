// Whole runs on figures made from coordinates: the three computed positions of
// P agree with one another and with the true P, whichever side to P is longest.
#include <gtest/gtest.h>

#include <cmath>

#include "figure_factory.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

using PlanePoint = figures::Point;

struct FigureCase {
  const char* name;
  PlanePoint a, b, c, p;
  std::array<double, 9> noiseSeconds;
  int longestTriangle;  // 1: PA, 2: PB, 3: PC
};

void PrintTo(const FigureCase& row, std::ostream* out) { *out << row.name; }

class GeneratedFigures : public testing::TestWithParam<FigureCase> {};

double spread(double a, double b, double c) { return std::max({a, b, c}) - std::min({a, b, c}); }

TEST_P(GeneratedFigures, ThreePositionsAgreeAndLieNearTheTruePoint) {
  const FigureCase& f = GetParam();
  const auto figure = figures::measuredFigure("P", f.a, f.b, f.c, f.p, f.noiseSeconds);
  RecordingWindow window(figures::confirmedReplies(figure));
  AdjustmentState state;
  const RunOutcome outcome = computeRun(state, window);
  ASSERT_EQ(outcome.end, RunEnd::Complete) << outcome.message;

  EXPECT_LT(spread(state.xp1, state.xp2, state.xp3), 0.0005);
  EXPECT_LT(spread(state.yp1, state.yp2, state.yp3), 0.0005);
  for (const auto& [x, y] : {std::pair{state.xp1, state.yp1}, {state.xp2, state.yp2}, {state.xp3, state.yp3}}) {
    EXPECT_LT(std::hypot(x - f.p.x, y - f.p.y), 0.01);
  }
  // The angles close exactly after the adjustment.
  for (std::size_t t = 1; t <= 3; ++t) {
    EXPECT_NEAR(state.distanceAngle[t] + state.advanceAngle[t] + state.centralAngle[t], 180.0, 1e-9);
  }
  EXPECT_NEAR(state.centralAngle[1] + state.centralAngle[2] + state.centralAngle[3], 360.0, 1e-6);
  // The side to P that the precision figures use is the truly longest one.
  const double sides[] = {std::hypot(f.p.x - f.a.x, f.p.y - f.a.y), std::hypot(f.p.x - f.b.x, f.p.y - f.b.y),
                          std::hypot(f.p.x - f.c.x, f.p.y - f.c.y)};
  const auto longest = std::max_element(std::begin(sides), std::end(sides)) - std::begin(sides) + 1;
  EXPECT_EQ(longest, f.longestTriangle);
  EXPECT_GT(state.mb, 0.0F);
  EXPECT_LT(state.mb, 5.0F);
  ASSERT_TRUE(state.m.has_value());
  EXPECT_GT(*state.m, 10000.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, GeneratedFigures,
    testing::Values(FigureCase{"SampleLongestFromA",
                               {3146.231, 5218.774},
                               {4208.517, 5762.130},
                               {3312.684, 6542.895},
                               {3560.412, 5840.266},
                               {2.1, -1.4, 0.8, -2.3, 1.7, 0.4, 1.2, -0.6, -1.9},
                               1},
                    FigureCase{"LongestFromB",
                               {1000, 1000},
                               {2100, 1500},
                               {1100, 2000},
                               {1300, 1450},
                               {-1.0, 1.5, 0.5, 2.0, -0.7, -1.2, 0.9, 1.1, -2.0},
                               2},
                    FigureCase{"LongestFromC",
                               {1000, 1000},
                               {1900, 1500},
                               {1100, 2400},
                               {1500, 1300},
                               {1.0, 1.0, -1.0, -1.5, 0.5, 2.0, -0.3, 0.8, 1.7},
                               3},
                    FigureCase{"EquilateralNoiseFree", {0, 0}, {866.025, 500}, {0, 1000}, {288.675, 500}, {}, 1},
                    FigureCase{"LargeCoordinatesSmallNoise",
                               {3512345.120, 498765.432},
                               {3513401.870, 499210.090},
                               {3512480.550, 499988.010},
                               {3512750.000, 499300.000},
                               {0.5, -0.5, 0.3, 0.2, -0.4, 0.1, 0.6, -0.2, -0.3},
                               3}),
    [](const testing::TestParamInfo<FigureCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora
