#include "check/figure_angles.h"

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kSecondsPerRadian = kDegreesPerRadian * 3600.0;

double reducedToCircle(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0.0 ? reduced + 360.0 : reduced;
}

/// Gradient of the azimuth K->P with respect to P, arc seconds per metre. The
/// azimuth P->K differs by 180 degrees and has the same gradient.
std::array<double, 2> azimuthGradient(PlanePoint k, PlanePoint p) {
  const double dx = p.x - k.x;
  const double dy = p.y - k.y;
  const double squared = dx * dx + dy * dy;
  return {-dy / squared * kSecondsPerRadian, dx / squared * kSecondsPerRadian};
}

}  // namespace

double azimuthDegrees(PlanePoint from, PlanePoint to) {
  return reducedToCircle(std::atan2(to.y - from.y, to.x - from.x) * kDegreesPerRadian);
}

FigureAngles figureAngles(const KnownPoints& known, PlanePoint p) {
  // Each direction once: K->P for the three known points, and the known sides
  // K1->K2; a direction and its reverse differ by 180 degrees.
  std::array<double, 3> toP{}, side{};
  for (std::size_t k = 0; k < 3; ++k) {
    toP[k] = azimuthDegrees(known[k], p);
    side[k] = azimuthDegrees(known[k], known[(k + 1) % 3]);
  }
  FigureAngles angles;
  for (std::size_t t = 0; t < 3; ++t) {
    const std::size_t second = (t + 1) % 3;
    const std::size_t row = 3 * t + 1;  // the triangle's distance angle
    angles.degrees[row] = reducedToCircle(toP[t] - side[t]);
    angles.degrees[row + 1] = reducedToCircle((side[t] + 180.0) - toP[second]);
    angles.degrees[row + 2] = reducedToCircle(toP[second] - toP[t]);
    const std::array<double, 2> g1 = azimuthGradient(known[t], p);
    const std::array<double, 2> g2 = azimuthGradient(known[second], p);
    for (std::size_t axis = 0; axis < 2; ++axis) {
      angles.gradient[row][axis] = g1[axis];
      angles.gradient[row + 1][axis] = -g2[axis];
      angles.gradient[row + 2][axis] = g2[axis] - g1[axis];
    }
  }
  return angles;
}

double angleDifferenceSeconds(double computedDegrees, double observedDegrees) {
  double difference = std::fmod(computedDegrees - observedDegrees, 360.0);
  if (difference > 180.0) difference -= 360.0;
  if (difference <= -180.0) difference += 360.0;
  return difference * 3600.0;
}

}  // namespace velmora
