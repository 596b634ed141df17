#include "check/check_observations.h"

#include <cmath>

#include "engine/dms_angle.h"
#include "engine/number_reader.h"

namespace velmora {
namespace {

bool readValue(const std::string& typed, double& value) {
  const ReadNumber number = readNumber(typed);
  value = number.value;
  return number.reading == NumberReading::Number;
}

bool readAngle(const std::string& typed, double& degrees) {
  double packed = 0.0;
  if (!readValue(typed, packed)) return false;
  degrees = dmsToDegrees(packed);
  return std::isfinite(degrees);
}

}  // namespace

std::optional<CheckObservations> checkObservations(const AdjustmentState& state) {
  CheckObservations o;
  const std::string* coordinates[3][2] = {{&state.xa, &state.ya}, {&state.xb, &state.yb}, {&state.xc, &state.yc}};
  for (std::size_t point = 0; point < 3; ++point) {
    if (!readValue(*coordinates[point][0], o.known[point].x)) return std::nullopt;
    if (!readValue(*coordinates[point][1], o.known[point].y)) return std::nullopt;
  }
  for (std::size_t t = 1; t <= 3; ++t) {
    const std::size_t row = 3 * (t - 1);
    if (!readAngle(state.distanceAngleDms[t], o.observedDegrees[row])) return std::nullopt;
    if (!readAngle(state.advanceAngleDms[t], o.observedDegrees[row + 1])) return std::nullopt;
    if (!readAngle(state.centralAngleDms[t], o.observedDegrees[row + 2])) return std::nullopt;
  }
  o.start = {(state.xp1 + state.xp2 + state.xp3) / 3.0, (state.yp1 + state.yp2 + state.yp3) / 3.0};
  return o;
}

}  // namespace velmora
