#include "check/error_ellipse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

ErrorEllipse errorEllipse(double varianceX, double varianceY, double covarianceXY) {
  const double mean = (varianceX + varianceY) / 2.0;
  const double spread = std::hypot((varianceX - varianceY) / 2.0, covarianceXY);
  ErrorEllipse ellipse;
  ellipse.a = std::sqrt(std::max(0.0, mean + spread));
  ellipse.b = std::sqrt(std::max(0.0, mean - spread));
  // From the x axis (north) towards the y axis (east): clockwise from north.
  double azimuth = 0.5 * std::atan2(2.0 * covarianceXY, varianceX - varianceY) * 180.0 / std::numbers::pi;
  if (azimuth < 0.0) azimuth += 180.0;
  if (azimuth >= 180.0) azimuth -= 180.0;
  ellipse.azimuth = azimuth + 0.0;  // a negative zero becomes zero
  return ellipse;
}

}  // namespace velmora
