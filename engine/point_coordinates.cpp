#include "engine/point_coordinates.h"

#include <cmath>
#include <string>

#include "engine/arithmetic_checks.h"
#include "engine/constants.h"
#include "engine/number_text.h"

namespace velmora {
namespace {

constexpr const char* kStep = "待定点座标计算";

/// (side x sin distance angle) / sin central angle: the side to P opposite the distance angle.
StageOutcome adjustedSide(double knownSide, double distanceAngle, double centralAngle, std::string_view centralName,
                          std::string_view sideName, double& side) {
  const double centralSine = std::sin(centralAngle * kDegreeFactor);
  if (StageOutcome outcome = requireNonZeroDivisor(centralSine, {centralName, " 的正弦"}, kStep)) return outcome;
  side = (knownSide * std::sin(distanceAngle * kDegreeFactor)) / centralSine;
  return requireFinite(side, {"平差边长 ", sideName}, kStep);
}

/// A sum above a full circle is reduced once; exactly 360 stays.
double azimuthToP(double distanceAngle, double knownAzimuth) {
  const double azimuth = distanceAngle + knownAzimuth;
  return azimuth > 360.0 ? azimuth - 360.0 : azimuth;
}

/// One coordinate: the known point's coordinate plus the side's projection; shown at once.
StageOutcome coordinate(double origin, double projection, const char* name, std::string_view field, double& member,
                        ResultDisplay& display) {
  const double value = origin + projection;
  if (StageOutcome outcome = requireFinite(value, name, kStep)) return outcome;
  member = value;
  if (display.showsTexts()) display.setFieldText(field, " " + fixedText(value, 3));
  return done();
}

}  // namespace

void correctTriangleAngles(AdjustmentState& state, const std::array<double, 10>& v, int t) {
  const auto ti = static_cast<std::size_t>(t);
  const auto c = static_cast<std::size_t>(3 * t);
  state.distanceAngle[ti] = state.distanceAngle[ti] + v[c - 2] / 3600.0;
  state.advanceAngle[ti] = state.advanceAngle[ti] + v[c - 1] / 3600.0;
  state.centralAngle[ti] = state.centralAngle[ti] + v[c] / 3600.0;
}

StageOutcome coordinateStep(AdjustmentState& state, const RunValues& run, ResultDisplay& display) {
  const KnownSideGeometry& g = run.geometry;
  double sidePA = 0.0, sidePB = 0.0, sidePC = 0.0;
  if (StageOutcome o =
          adjustedSide(g.sideCA, state.distanceAngle[3], state.centralAngle[3], "中心角 C(3)", "PA", sidePA)) {
    return o;
  }
  if (StageOutcome o =
          adjustedSide(g.sideAB, state.distanceAngle[1], state.centralAngle[1], "中心角 C(1)", "PB", sidePB)) {
    return o;
  }
  if (StageOutcome o =
          adjustedSide(g.sideBC, state.distanceAngle[2], state.centralAngle[2], "中心角 C(2)", "PC", sidePC)) {
    return o;
  }
  const double k = kDegreeFactor;
  const double azimuthAP = azimuthToP(state.distanceAngle[1], g.azimuthAB);
  const double azimuthBP = azimuthToP(state.distanceAngle[2], g.azimuthBC);
  const double azimuthCP = azimuthToP(state.distanceAngle[3], g.azimuthCA);

  if (display.showsTexts()) display.setFieldText("Text18", "   " + state.pointName);
  const struct {
    double origin;
    double projection;
    const char* name;
    std::string_view field;
    double& member;
  } coordinates[] = {
      {g.a.x, sidePA * std::cos(azimuthAP * k), "xp1", "Text19", state.xp1},
      {g.a.y, sidePA * std::sin(azimuthAP * k), "yp1", "Text20", state.yp1},
      {g.b.x, sidePB * std::cos(azimuthBP * k), "xp2", "Text5", state.xp2},
      {g.b.y, sidePB * std::sin(azimuthBP * k), "yp2", "Text22", state.yp2},
      {g.c.x, sidePC * std::cos(azimuthCP * k), "xp3", "Text23", state.xp3},
      {g.c.y, sidePC * std::sin(azimuthCP * k), "yp3", "Text24", state.yp3},
  };
  for (const auto& c : coordinates) {
    if (StageOutcome outcome = coordinate(c.origin, c.projection, c.name, c.field, c.member, display)) {
      return outcome;
    }
  }
  return done();
}

}  // namespace velmora
