#include "check/error_ellipse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace velmora {
namespace {

struct EllipseCase {
  const char* name;
  double varianceX, varianceY, covarianceXY;
  double a, b, azimuth;
};

// Eigenvalues and axes worked by hand: x north, y east, azimuth clockwise from north.
const EllipseCase kCases[] = {
    {"circle", 4.0, 4.0, 0.0, 2.0, 2.0, 0.0},          {"long north-south", 9.0, 4.0, 0.0, 3.0, 2.0, 0.0},
    {"long east-west", 4.0, 9.0, 0.0, 3.0, 2.0, 90.0}, {"north-east", 5.0, 5.0, 4.0, 3.0, 1.0, 45.0},
    {"north-west", 5.0, 5.0, -4.0, 3.0, 1.0, 135.0},   {"degenerate line", 1.0, 3.0, std::sqrt(3.0), 2.0, 0.0, 60.0},
};

TEST(ErrorEllipse, WorkedCases) {
  for (const EllipseCase& c : kCases) {
    const ErrorEllipse e = errorEllipse(c.varianceX, c.varianceY, c.covarianceXY);
    EXPECT_NEAR(e.a, c.a, 1e-12) << c.name;
    EXPECT_NEAR(e.b, c.b, 1e-7) << c.name;
    EXPECT_NEAR(e.azimuth, c.azimuth, 1e-9) << c.name;
    EXPECT_FALSE(std::signbit(e.azimuth)) << c.name;
  }
}

TEST(ErrorEllipse, MajorAxisIsTheDirectionOfLargestVariance) {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  for (int n = 0; n < 50; ++n) {
    const double p = uniform(random), q = uniform(random), r = uniform(random), s = uniform(random);
    const double vx = p * p + q * q, vy = r * r + s * s, cxy = p * r + q * s;  // L L^T, positive semidefinite
    const ErrorEllipse e = errorEllipse(vx, vy, cxy);
    double bestAzimuth = 0.0, bestVariance = -1.0;
    for (int step = 0; step < 180000; ++step) {
      const double azimuth = step / 1000.0;
      const double c = std::cos(azimuth * std::numbers::pi / 180.0), sn = std::sin(azimuth * std::numbers::pi / 180.0);
      const double variance = c * c * vx + 2.0 * c * sn * cxy + sn * sn * vy;
      if (variance > bestVariance) bestVariance = variance, bestAzimuth = azimuth;
    }
    EXPECT_NEAR(e.a * e.a, bestVariance, 1e-9) << n;
    const double off = std::fabs(e.azimuth - bestAzimuth);
    EXPECT_LT(std::min(off, 180.0 - off), 0.01) << n;
    EXPECT_GE(e.azimuth, 0.0);
    EXPECT_LT(e.azimuth, 180.0);
  }
}

}  // namespace
}  // namespace velmora
