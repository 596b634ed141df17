#include "plot/ellipse_magnification.h"

#include <algorithm>

#include "engine/number_text.h"
#include "plot/round_numbers.h"

namespace velmora {
namespace {

constexpr double kEllipseShare = 0.2;  // the magnified major axis over the figure's extent

}  // namespace

double ellipseMagnification(double semiMajorMillimetres, double extentMetres) {
  if (!(semiMajorMillimetres > 0.0)) return 1.0;
  const double majorAxisMetres = 2.0 * semiMajorMillimetres / 1000.0;
  return nearestRoundNumber(kEllipseShare * extentMetres / majorAxisMetres);
}

double figureExtentMetres(std::span<const PlanePoint> points) {
  const auto [leastNorth, greatestNorth] = std::ranges::minmax(points, {}, [](const PlanePoint& p) { return p.x; });
  const auto [leastEast, greatestEast] = std::ranges::minmax(points, {}, [](const PlanePoint& p) { return p.y; });
  // A figure without extent cannot be a complete run; a metre keeps the scale finite.
  return std::max({greatestNorth.x - leastNorth.x, greatestEast.y - leastEast.y, 1.0});
}

std::string ellipseFactorText(double factor) { return "误差椭圆 ×" + plainText(factor); }

}  // namespace velmora
