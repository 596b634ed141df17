#include "engine/point_coordinates.h"

#include <cmath>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"

namespace velmora {
namespace {

constexpr StepAt kStep{ComputeStep::CoordinatesOfP};

/// (side x sin distance angle) / sin central angle: the side to P opposite the distance angle.
/// `central`: the triangle whose central angle is opposite; `toP`: 1 PA, 2 PB, 3 PC.
StageOutcome adjustedSide(double knownSide, double distanceAngle, double centralAngle, int central, std::uint8_t toP,
                          double& side) {
  const double centralSine = std::sin(centralAngle * kDegreeFactor);
  const FaultSubject sineName{FaultQuantity::CentralAngle, static_cast<std::uint8_t>(central), QuantityFunction::Sine,
                              centralAngleEntry(central)};
  if (StageOutcome outcome = requireNonZeroDivisor(centralSine, sineName, kStep)) return outcome;
  side = (knownSide * std::sin(distanceAngle * kDegreeFactor)) / centralSine;
  return requireFinite(side, {FaultQuantity::AdjustedSideToP, toP}, kStep);
}

/// A sum above a full circle is reduced once; exactly 360 stays.
double azimuthToP(double distanceAngle, double knownAzimuth) {
  const double azimuth = distanceAngle + knownAzimuth;
  return azimuth > 360.0 ? azimuth - 360.0 : azimuth;
}

/// A coordinate of P, stored when it is a number.
/// `n`: 0 xp1 .. 5 yp3.
StageOutcome storedCoordinate(double value, std::uint8_t n, double& member) {
  if (StageOutcome outcome = requireFinite(value, {FaultQuantity::CoordinateOfP, n}, kStep)) return outcome;
  member = value;
  return done();
}

}  // namespace

StageOutcome sidesToP(const AdjustmentResults& results, const KnownSideGeometry& geometry, SidesToP& sides) {
  const KnownSideGeometry& g = geometry;
  const AdjustmentResults& r = results;
  if (StageOutcome o = adjustedSide(g.sideCA, r.distanceAngle[3], r.centralAngle[3], 3, 1, sides.sidePA)) {
    return o;
  }
  if (StageOutcome o = adjustedSide(g.sideAB, r.distanceAngle[1], r.centralAngle[1], 1, 2, sides.sidePB)) {
    return o;
  }
  if (StageOutcome o = adjustedSide(g.sideBC, r.distanceAngle[2], r.centralAngle[2], 2, 3, sides.sidePC)) {
    return o;
  }
  sides.azimuthAP = azimuthToP(r.distanceAngle[1], g.azimuthAB);
  sides.azimuthBP = azimuthToP(r.distanceAngle[2], g.azimuthBC);
  sides.azimuthCP = azimuthToP(r.distanceAngle[3], g.azimuthCA);
  return done();
}

StageOutcome coordinateOfP(std::size_t n, const KnownSideGeometry& geometry, const SidesToP& sides,
                           AdjustmentResults& results) {
  const KnownSideGeometry& g = geometry;
  const SidesToP& s = sides;
  const double k = kDegreeFactor;
  switch (n) {
    case 0: return storedCoordinate(g.a.x + s.sidePA * std::cos(s.azimuthAP * k), 0, results.xp1);
    case 1: return storedCoordinate(g.a.y + s.sidePA * std::sin(s.azimuthAP * k), 1, results.yp1);
    case 2: return storedCoordinate(g.b.x + s.sidePB * std::cos(s.azimuthBP * k), 2, results.xp2);
    case 3: return storedCoordinate(g.b.y + s.sidePB * std::sin(s.azimuthBP * k), 3, results.yp2);
    case 4: return storedCoordinate(g.c.x + s.sidePC * std::cos(s.azimuthCP * k), 4, results.xp3);
    default: return storedCoordinate(g.c.y + s.sidePC * std::sin(s.azimuthCP * k), 5, results.yp3);
  }
}

}  // namespace velmora
