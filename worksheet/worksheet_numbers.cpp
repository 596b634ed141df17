#include "worksheet/worksheet_numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/number_text.h"

namespace velmora {

std::string secondsText(double seconds) { return fixedText(seconds, 2); }

std::string metresText(double metres) { return fixedText(metres, 3); }

std::string coefficientText(double value) { return fixedText(value, 4); }

std::string dmsText(double degrees) {
  constexpr double kHundredthsPerDegree = 360000.0;
  const auto hundredths = static_cast<std::int64_t>(std::nearbyint(std::fabs(degrees) * kHundredthsPerDegree));
  const std::int64_t wholeDegrees = hundredths / 360000;
  const std::int64_t minutes = hundredths / 6000 % 60;
  const std::int64_t secondHundredths = hundredths % 6000;
  char text[64];
  std::snprintf(text, sizeof text, "%s%lld°%02lld′%02lld.%02lld″", hundredths > 0 && degrees < 0 ? "-" : "",
                static_cast<long long>(wholeDegrees), static_cast<long long>(minutes),
                static_cast<long long>(secondHundredths / 100), static_cast<long long>(secondHundredths % 100));
  return text;
}

}  // namespace velmora
