#include "generated_figure.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace velmora::testing_support {
namespace {

/// The angle at `at` between the directions to p1 and p2, in degrees (0..180).
double interiorAngle(PlanePoint at, PlanePoint p1, PlanePoint p2) {
  const double a1 = std::atan2(p1.y - at.y, p1.x - at.x);
  const double a2 = std::atan2(p2.y - at.y, p2.x - at.x);
  double d = std::fabs(a1 - a2) * 180.0 / std::numbers::pi;
  if (d > 180.0) d = 360.0 - d;
  return d;
}

std::string coordinateText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

GeneratedFigure measureFigure(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint p,
                              const std::array<double, 9>& noiseSeconds) {
  GeneratedFigure figure{a, b, c, p, {}};
  const std::array<std::array<PlanePoint, 2>, 3> knownPairs{{{a, b}, {b, c}, {c, a}}};
  for (std::size_t t = 0; t < 3; ++t) {
    const PlanePoint first = knownPairs[t][0];
    const PlanePoint second = knownPairs[t][1];
    figure.anglesDegrees[3 * t] = interiorAngle(first, second, p);
    figure.anglesDegrees[3 * t + 1] = interiorAngle(second, p, first);
    figure.anglesDegrees[3 * t + 2] = interiorAngle(p, first, second);
  }
  for (std::size_t n = 0; n < 9; ++n) figure.anglesDegrees[n] += noiseSeconds[n] / 3600.0;
  return figure;
}

std::string packedDms(double degrees) {
  const long long tenths = std::llround(degrees * 36000.0);
  const long long wholeDegrees = tenths / 36000;
  const long long minutes = tenths % 36000 / 600;
  const long long secondTenths = tenths % 600;
  char text[64];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld%lld", wholeDegrees, minutes, secondTenths / 10,
                secondTenths % 10);
  return text;
}

std::vector<std::string> confirmedReplies(const GeneratedFigure& figure, const std::string& pointName) {
  std::vector<std::string> replies;
  for (const double value : {figure.a.x, figure.a.y, figure.b.x, figure.b.y, figure.c.x, figure.c.y}) {
    replies.push_back(coordinateText(value));
    replies.emplace_back();
  }
  replies.push_back(pointName);
  replies.emplace_back();
  for (const double angle : figure.anglesDegrees) {
    replies.push_back(packedDms(angle));
    replies.emplace_back();
  }
  return replies;
}

}  // namespace velmora::testing_support
