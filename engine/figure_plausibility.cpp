#include "engine/figure_plausibility.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/number_text.h"

namespace velmora {

StageOutcome requireNoGrossMisclosure(float misclosureSeconds, std::string_view name, std::string_view cause,
                                      std::string_view step) {
  if (std::fabs(misclosureSeconds) <= kGrossMisclosureSeconds) return done();
  const std::string shown = plainSingleText(static_cast<float>(roundHalfEven(misclosureSeconds, 2)));
  return cannotCompute(std::string(step),
                       std::string(name) + " = " + shown + " 秒，绝对值超过 600 秒，请检查" + std::string(cause), {},
                       shown);
}

double doubleSignedArea(PlanePoint a, PlanePoint b, PlanePoint c) {
  return (b.y - a.y) * (c.x - a.x) - (b.x - a.x) * (c.y - a.y);
}

StageOutcome requireUsableKnownPoints(const KnownSideGeometry& geometry, std::string_view step) {
  const struct {
    double length;
    const char* pair;
  } sides[] = {{geometry.sideAB, "A 与 B"}, {geometry.sideBC, "B 与 C"}, {geometry.sideCA, "C 与 A"}};
  for (const auto& side : sides) {
    if (side.length < kKnownPointToleranceMetres) {
      return cannotCompute(std::string(step),
                           std::string("已知点 ") + side.pair + " 重合（相距不足 0.001 米），请检查它们的座标");
    }
  }
  const double area = doubleSignedArea(geometry.a, geometry.b, geometry.c);
  const double longest = std::max({geometry.sideAB, geometry.sideBC, geometry.sideCA});
  if (std::fabs(area) / longest < kKnownPointToleranceMetres) {
    return cannotCompute(std::string(step),
                         "已知点 A、B、C 在一条直线上（三角形 ABC 的高不足 0.001 米），请检查它们的座标");
  }
  if (area > 0.0) {
    return cannotCompute(std::string(step),
                         "已知点 A、B、C 在图上按逆时针方向编号（x 向北，y 向东），应按顺时针方向编号");
  }
  return done();
}

}  // namespace velmora
