#include "engine/dms_angle.h"

#include <cfloat>
#include <cmath>

namespace velmora {
namespace {

/// A product that floating point left a hair off a whole number is that number.
double snappedToWhole(double product) {
  const double whole = std::nearbyint(product);
  const double hair = 4.0 * DBL_EPSILON * std::fabs(whole);
  return std::fabs(product - whole) <= hair ? whole : product;
}

}  // namespace

DmsParts dmsParts(double x) {
  const double d = std::trunc(x);
  const double p = snappedToWhole(x * 100.0);
  const double s = snappedToWhole(x * 10000.0);
  const double wholeMinutesTimes100 = std::trunc(p);
  return {d, wholeMinutesTimes100 - d * 100.0, s - wholeMinutesTimes100 * 100.0};
}

double partsToDegrees(DmsParts parts) { return (parts.degrees + parts.minutes / 60.0) + parts.seconds / 3600.0; }

double dmsToDegrees(double x) { return partsToDegrees(dmsParts(x)); }

}  // namespace velmora
