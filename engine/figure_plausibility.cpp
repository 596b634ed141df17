#include "engine/figure_plausibility.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/number_text.h"

namespace velmora {

StageOutcome requireNoGrossMisclosure(float misclosureSeconds, const FaultSubject& misclosure, StepAt at) {
  if (std::fabs(misclosureSeconds) <= kGrossMisclosureSeconds) return done();
  return cannotCompute(at, FaultKind::GrossMisclosure, misclosure,
                       plainSingleText(static_cast<float>(roundHalfEven(misclosureSeconds, 2))));
}

double doubleSignedArea(PlanePoint a, PlanePoint b, PlanePoint c) {
  return (b.y - a.y) * (c.x - a.x) - (b.x - a.x) * (c.y - a.y);
}

StageOutcome requireUsableKnownPoints(const KnownSideGeometry& geometry, StepAt at) {
  const double sides[] = {geometry.sideAB, geometry.sideBC, geometry.sideCA};
  for (std::uint8_t side = 1; side <= 3; ++side) {
    if (sides[side - 1] < kKnownPointToleranceMetres) {
      return cannotCompute(at, FaultKind::CoincidentPoints, {FaultQuantity::KnownSide, side});
    }
  }
  const double area = doubleSignedArea(geometry.a, geometry.b, geometry.c);
  const double longest = std::max({geometry.sideAB, geometry.sideBC, geometry.sideCA});
  if (std::fabs(area) / longest < kKnownPointToleranceMetres) {
    return cannotCompute(at, FaultKind::CollinearPoints, {FaultQuantity::ThreeKnownPoints});
  }
  if (area > 0.0) return cannotCompute(at, FaultKind::CounterClockwise, {FaultQuantity::ThreeKnownPoints});
  return done();
}

}  // namespace velmora
