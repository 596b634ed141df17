#include "engine/point_coordinates.h"

#include <cmath>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"

namespace velmora {
namespace {

constexpr const char* kStep = "待定点座标计算";

/// (side x sin distance angle) / sin central angle: the side to P opposite the distance angle.
StageOutcome adjustedSide(double knownSide, double distanceAngle, double centralAngle, std::string_view centralName,
                          FigureEntry centralEntry, std::string_view sideName, double& side) {
  const double centralSine = std::sin(centralAngle * kDegreeFactor);
  if (StageOutcome outcome = requireNonZeroDivisor(centralSine, {centralName, " 的正弦", centralEntry}, kStep)) {
    return outcome;
  }
  side = (knownSide * std::sin(distanceAngle * kDegreeFactor)) / centralSine;
  return requireFinite(side, {"平差边长 ", sideName}, kStep);
}

/// A sum above a full circle is reduced once; exactly 360 stays.
double azimuthToP(double distanceAngle, double knownAzimuth) {
  const double azimuth = distanceAngle + knownAzimuth;
  return azimuth > 360.0 ? azimuth - 360.0 : azimuth;
}

/// A coordinate of P, stored when it is a number.
StageOutcome storedCoordinate(double value, const char* name, double& member) {
  if (StageOutcome outcome = requireFinite(value, name, kStep)) return outcome;
  member = value;
  return done();
}

}  // namespace

StageOutcome sidesToP(const AdjustmentResults& results, const KnownSideGeometry& geometry, SidesToP& sides) {
  const KnownSideGeometry& g = geometry;
  const AdjustmentResults& r = results;
  if (StageOutcome o = adjustedSide(g.sideCA, r.distanceAngle[3], r.centralAngle[3], "中心角 C(3)",
                                    centralAngleEntry(3), "PA", sides.sidePA)) {
    return o;
  }
  if (StageOutcome o = adjustedSide(g.sideAB, r.distanceAngle[1], r.centralAngle[1], "中心角 C(1)",
                                    centralAngleEntry(1), "PB", sides.sidePB)) {
    return o;
  }
  if (StageOutcome o = adjustedSide(g.sideBC, r.distanceAngle[2], r.centralAngle[2], "中心角 C(2)",
                                    centralAngleEntry(2), "PC", sides.sidePC)) {
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
    case 0: return storedCoordinate(g.a.x + s.sidePA * std::cos(s.azimuthAP * k), "xp1", results.xp1);
    case 1: return storedCoordinate(g.a.y + s.sidePA * std::sin(s.azimuthAP * k), "yp1", results.yp1);
    case 2: return storedCoordinate(g.b.x + s.sidePB * std::cos(s.azimuthBP * k), "xp2", results.xp2);
    case 3: return storedCoordinate(g.b.y + s.sidePB * std::sin(s.azimuthBP * k), "yp2", results.yp2);
    case 4: return storedCoordinate(g.c.x + s.sidePC * std::cos(s.azimuthCP * k), "xp3", results.xp3);
    default: return storedCoordinate(g.c.y + s.sidePC * std::sin(s.azimuthCP * k), "yp3", results.yp3);
  }
}

}  // namespace velmora
