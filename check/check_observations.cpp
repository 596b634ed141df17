#include "check/check_observations.h"

#include <cmath>

#include "engine/dms_angle.h"
#include "engine/number_reader.h"

namespace velmora {
namespace {

bool readValue(std::string_view typed, double& value) {
  const ReadNumber number = readNumber(typed);
  value = number.value;
  return number.reading == NumberReading::Number;
}

bool readAngle(std::string_view typed, double& degrees) {
  double packed = 0.0;
  if (!readValue(typed, packed)) return false;
  degrees = dmsToDegrees(packed);
  return std::isfinite(degrees);
}

}  // namespace

std::optional<CheckObservations> checkObservations(const FigureTexts& typed, const AdjustmentResults& results) {
  CheckObservations o;
  const std::string_view coordinates[3][2] = {{typed.xa, typed.ya}, {typed.xb, typed.yb}, {typed.xc, typed.yc}};
  for (std::size_t point = 0; point < 3; ++point) {
    if (!readValue(coordinates[point][0], o.known[point].x)) return std::nullopt;
    if (!readValue(coordinates[point][1], o.known[point].y)) return std::nullopt;
  }
  for (std::size_t t = 1; t <= 3; ++t) {
    const std::size_t row = 3 * (t - 1);
    if (!readAngle(typed.distanceAngle[t], o.observedDegrees[row])) return std::nullopt;
    if (!readAngle(typed.advanceAngle[t], o.observedDegrees[row + 1])) return std::nullopt;
    if (!readAngle(typed.centralAngle[t], o.observedDegrees[row + 2])) return std::nullopt;
  }
  const AdjustmentResults& r = results;
  o.start = {(r.xp1 + r.xp2 + r.xp3) / 3.0, (r.yp1 + r.yp2 + r.yp3) / 3.0};
  return o;
}

std::optional<CheckObservations> checkObservations(const AdjustmentState& state) {
  return checkObservations(state.typedFigure(), state);
}

}  // namespace velmora
