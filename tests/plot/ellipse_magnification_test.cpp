// The ellipse's magnification that the plot and the DXF drawing share: the
// round factor bringing the major axis nearest a fifth of the figure's extent,
// checked against factors worked out by hand.
#include "plot/ellipse_magnification.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

struct MagnificationCase {
  const char* name;
  double semiMajorMillimetres;
  double extentMetres;
  double factor;
};

void PrintTo(const MagnificationCase& c, std::ostream* os) { *os << c.name; }

class EllipseMagnification : public ::testing::TestWithParam<MagnificationCase> {};

TEST_P(EllipseMagnification, BringsTheMajorAxisNearestAFifthOfTheFigure) {
  const MagnificationCase& c = GetParam();
  EXPECT_DOUBLE_EQ(ellipseMagnification(c.semiMajorMillimetres, c.extentMetres), c.factor);
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, EllipseMagnification,
    ::testing::Values(
        // 200 m / 6 mm = 33,333: 5 x 10^4 is nearer than 2 x 10^4 on a logarithmic scale.
        MagnificationCase{"ThreeMillimetresInAKilometre", 3.0, 1000.0, 50000.0},
        MagnificationCase{"OneMillimetreInAKilometre", 1.0, 1000.0, 100000.0},  // 200 m / 2 mm exactly
        // 2 m / 10 m = 0.2: an ellipse larger than the figure is drawn smaller, as the plot draws it.
        MagnificationCase{"AnEllipseLargerThanTheFigureShrinks", 5000.0, 10.0, 0.2},
        MagnificationCase{"APointWithoutErrorIsNotMagnified", 0.0, 1000.0, 1.0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FigureExtent, IsTheLargerOfTheNorthAndEastSpansAndAtLeastAMetre) {
  const std::array<PlanePoint, 4> tall{{{1000, 1000}, {1900, 1500}, {1100, 2000}, {1300, 1500}}};
  EXPECT_DOUBLE_EQ(figureExtentMetres(tall), 1000.0) << "east 1000 .. 2000 beats north 1000 .. 1900";
  const std::array<PlanePoint, 4> point{{{5, 5}, {5, 5}, {5, 5}, {5, 5}}};
  EXPECT_DOUBLE_EQ(figureExtentMetres(point), 1.0);
}

TEST(EllipseFactorText, WritesTheFactorInPlainDigits) {
  EXPECT_EQ(ellipseFactorText(50000.0), "误差椭圆 ×50000");
  EXPECT_EQ(ellipseFactorText(1000000.0), "误差椭圆 ×1000000") << "never 1e+06 in a drawing";
  EXPECT_EQ(ellipseFactorText(0.2), "误差椭圆 ×0.2");
}

}  // namespace
}  // namespace velmora
