#include "check/check_observations.h"

namespace velmora {

CheckObservations checkObservations(const AdjustmentResults& results) {
  const AdjustmentResults& r = results;
  CheckObservations o;
  o.known = r.knownPoints;
  for (std::size_t t = 1; t <= 3; ++t) {
    const std::size_t row = 3 * (t - 1);
    o.observedDegrees[row] = r.observedDistanceAngle[t];
    o.observedDegrees[row + 1] = r.observedAdvanceAngle[t];
    o.observedDegrees[row + 2] = r.observedCentralAngle[t];
  }
  o.start = {(r.xp1 + r.xp2 + r.xp3) / 3.0, (r.yp1 + r.yp2 + r.yp3) / 3.0};
  return o;
}

}  // namespace velmora
