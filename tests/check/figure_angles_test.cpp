#include "check/figure_angles.h"

#include <gtest/gtest.h>

#include "figure_factory.h"

namespace velmora {
namespace {

TEST(FigureAngles, EqualTheInteriorAnglesOfEachTriangle) {
  std::mt19937_64 random(17);
  for (int n = 0; n < 20; ++n) {
    const figures::Figure f = figures::randomFigure(random, {}, "P");
    const FigureAngles angles =
        figureAngles({PlanePoint{f.a.x, f.a.y}, {f.b.x, f.b.y}, {f.c.x, f.c.y}}, {f.p.x, f.p.y});
    for (std::size_t a = 1; a <= 9; ++a) EXPECT_NEAR(angles.degrees[a], f.trueDegrees[a - 1], 1e-10) << n << " " << a;
  }
}

TEST(FigureAngles, GradientsMatchCentralDifferences) {
  std::mt19937_64 random(19);
  const figures::Figure f = figures::randomFigure(random, {}, "P");
  const KnownPoints known{PlanePoint{f.a.x, f.a.y}, {f.b.x, f.b.y}, {f.c.x, f.c.y}};
  const PlanePoint p{f.p.x, f.p.y};
  const double h = 1e-3;
  const FigureAngles at = figureAngles(known, p);
  const FigureAngles north = figureAngles(known, {p.x + h, p.y}), south = figureAngles(known, {p.x - h, p.y});
  const FigureAngles east = figureAngles(known, {p.x, p.y + h}), west = figureAngles(known, {p.x, p.y - h});
  for (std::size_t a = 1; a <= 9; ++a) {
    const double dx = (north.degrees[a] - south.degrees[a]) * 3600.0 / (2 * h);
    const double dy = (east.degrees[a] - west.degrees[a]) * 3600.0 / (2 * h);
    EXPECT_NEAR(at.gradient[a][0], dx, 1e-4 * std::fabs(dx) + 1e-6) << a;
    EXPECT_NEAR(at.gradient[a][1], dy, 1e-4 * std::fabs(dy) + 1e-6) << a;
  }
}

struct DifferenceCase {
  double computed, observed, seconds;
};

TEST(FigureAngles, DifferencesAreReducedToHalfACircle) {
  const DifferenceCase cases[] = {
      {10.0, 9.0, 3600.0}, {0.0005, 359.9995, 3.6}, {359.9995, 0.0005, -3.6}, {180.0, 0.0, 648000.0}};
  for (const DifferenceCase& c : cases) {
    EXPECT_NEAR(angleDifferenceSeconds(c.computed, c.observed), c.seconds, 1e-6) << c.computed << " " << c.observed;
  }
}

}  // namespace
}  // namespace velmora
