#include "engine/known_side_geometry.h"

#include <cmath>
#include <string>
#include <string_view>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"
#include "engine/figure_plausibility.h"

namespace velmora {
namespace {

constexpr StepAt kKnownSideStep{ComputeStep::KnownSides};
constexpr StepAt kProvisionalStep{ComputeStep::ProvisionalDistances};

FaultSubject typedCoordinate(FigureEntry entry) {
  return {FaultQuantity::KnownCoordinate, 0, QuantityFunction::Itself, entry};
}

double azimuthOf(double dx, double dy, double length) {
  if (dx == 0.0) return dy > 0.0 ? 90.0 : 270.0;
  if (dy == 0.0) return dx < 0.0 ? 180.0 : 0.0;
  const double s = dy / length;
  const double cosineSquared = 1.0 - s * s;
  // Nearly due east or west: the arcsine formula would divide by zero.
  if (cosineSquared <= 0.0) return dy > 0.0 ? 90.0 : 270.0;
  double a = std::atan(s / std::sqrt(cosineSquared)) / kDegreeFactor;
  if (dx < 0.0) a = 180.0 - a;
  if (dx > 0.0 && dy < 0.0) a = a + 360.0;
  return a;
}

/// One reduction by a full circle, as the classical method does it.
double reducedOnce(double degrees) { return degrees >= 360.0 ? degrees - 360.0 : degrees; }

StageOutcome readPoint(std::string_view typedX, std::string_view typedY, FigureEntry x, FigureEntry y,
                       PlanePoint& point) {
  if (StageOutcome outcome = readTypedValue(typedX, typedCoordinate(x), kKnownSideStep, point.x)) return outcome;
  return readTypedValue(typedY, typedCoordinate(y), kKnownSideStep, point.y);
}

/// `which`: 1 AB, 2 BC, 3 CA.
StageOutcome sideBetween(const PlanePoint& from, const PlanePoint& to, std::uint8_t which, double& length,
                         double& azimuth) {
  const DirectedSide side = directedSide(from.x, from.y, to.x, to.y);
  if (StageOutcome outcome =
          requireFinite(side.length, {FaultQuantity::KnownSide, which, QuantityFunction::Length}, kKnownSideStep)) {
    return outcome;
  }
  length = side.length;
  azimuth = side.azimuth;
  return done();
}

/// The provisional distance of triangle t (1: PA, 2: PB, 3: PC), opposite its advance angle.
StageOutcome sineRuleSide(double knownSide, double advanceAngle, double centralAngle, int t, double& distance) {
  const auto which = static_cast<std::uint8_t>(t);
  const double centralSine = std::sin(centralAngle * kDegreeFactor);
  const FaultSubject centralSineName{FaultQuantity::CentralAngle, which, QuantityFunction::Sine, centralAngleEntry(t)};
  if (StageOutcome outcome = requireNonZeroDivisor(centralSine, centralSineName, kProvisionalStep)) return outcome;
  distance = (knownSide * std::sin(advanceAngle * kDegreeFactor)) / centralSine;
  return requireFinite(distance, {FaultQuantity::ProvisionalDistance, which}, kProvisionalStep);
}

}  // namespace

DirectedSide directedSide(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (!std::isfinite(length)) return {length, 0.0};
  return {length, azimuthOf(dx, dy, length)};
}

StageOutcome knownSideStep(const FigureTexts& typed, KnownSideGeometry& geometry) {
  using E = FigureEntry;
  PlanePoint& a = geometry.a;
  PlanePoint& b = geometry.b;
  PlanePoint& c = geometry.c;
  if (StageOutcome outcome = readPoint(typed.xa, typed.ya, E::xa, E::ya, a)) {
    return outcome;
  }
  if (StageOutcome outcome = readPoint(typed.xb, typed.yb, E::xb, E::yb, b)) {
    return outcome;
  }
  if (StageOutcome outcome = readPoint(typed.xc, typed.yc, E::xc, E::yc, c)) {
    return outcome;
  }
  if (StageOutcome outcome = sideBetween(a, b, 1, geometry.sideAB, geometry.azimuthAB)) return outcome;
  if (StageOutcome outcome = sideBetween(b, c, 2, geometry.sideBC, geometry.azimuthBC)) return outcome;
  if (StageOutcome outcome = sideBetween(c, a, 3, geometry.sideCA, geometry.azimuthCA)) return outcome;
  if (StageOutcome outcome = requireUsableKnownPoints(geometry, kKnownSideStep)) return outcome;

  const double azimuthAC = reducedOnce(geometry.azimuthCA + 180.0);
  geometry.knownAngleA = reducedOnce((azimuthAC + 360.0) - geometry.azimuthAB);
  const double azimuthBA = reducedOnce(geometry.azimuthAB + 180.0);
  geometry.knownAngleB = reducedOnce((azimuthBA + 360.0) - geometry.azimuthBC);
  return done();
}

StageOutcome provisionalDistanceStep(const AdjustmentResults& results, const KnownSideGeometry& geometry,
                                     ProvisionalDistances& provisional) {
  if (StageOutcome outcome =
          sineRuleSide(geometry.sideAB, results.advanceAngle[1], results.centralAngle[1], 1, provisional.distancePA)) {
    return outcome;
  }
  if (StageOutcome outcome =
          sineRuleSide(geometry.sideBC, results.advanceAngle[2], results.centralAngle[2], 2, provisional.distancePB)) {
    return outcome;
  }
  if (StageOutcome outcome =
          sineRuleSide(geometry.sideCA, results.advanceAngle[3], results.centralAngle[3], 3, provisional.distancePC)) {
    return outcome;
  }
  const double pa = provisional.distancePA;
  const double pb = provisional.distancePB;
  const double pc = provisional.distancePC;
  if (pa >= pb && pa >= pc) {
    provisional.chosenTriangle = 1;
    provisional.longestSide = pa;
  } else if (pb >= pc) {
    provisional.chosenTriangle = 2;
    provisional.longestSide = pb;
  } else {
    provisional.chosenTriangle = 3;
    provisional.longestSide = pc;
  }
  return done();
}

}  // namespace velmora
