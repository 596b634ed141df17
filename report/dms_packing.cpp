#include "report/dms_packing.h"

#include <cassert>
#include <cmath>

#include "engine/number_text.h"

namespace velmora {
namespace {

constexpr int kTenthsPerMinute = 600;
constexpr int kTenthsPerDegree = 36000;

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

/// Rounds |angle| once to a whole number of tenths of an arc second, then
/// splits it, so a carry into minutes or degrees happens by construction.
std::string roundedSexagesimalText(double angleDegrees) {
  const double magnitude = std::fabs(angleDegrees);
  double wholeDegrees = std::trunc(magnitude);
  auto fractionTenths = static_cast<int>(std::nearbyint((magnitude - wholeDegrees) * kTenthsPerDegree));
  if (fractionTenths == kTenthsPerDegree) {
    wholeDegrees += 1.0;
    fractionTenths = 0;
  }
  const int minutes = fractionTenths / kTenthsPerMinute;
  const int secondTenths = fractionTenths % kTenthsPerMinute;
  const bool isZero = wholeDegrees == 0.0 && fractionTenths == 0;
  const std::string sign = angleDegrees < 0.0 && !isZero ? "-" : "";
  return sign + fixedText(wholeDegrees, 0) + "." + twoDigits(minutes) + twoDigits(secondTenths / 10) +
         static_cast<char>('0' + secondTenths % 10);
}

}  // namespace

std::string packedDmsText(double angleDegrees) {
  assert(std::isfinite(angleDegrees));
  const double degrees = std::trunc(angleDegrees + 0.1);
  const double minutes = (angleDegrees - degrees) * 60.0;
  const double wholeMinutes = std::trunc(minutes + 0.1);
  if (minutes < 0.0 || minutes - wholeMinutes < 0.0) return roundedSexagesimalText(angleDegrees);
  return fixedText((degrees + wholeMinutes / 100.0) + (minutes - wholeMinutes) * 6.0 / 1000.0, 5);
}

}  // namespace velmora
