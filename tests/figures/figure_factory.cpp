#include "figure_factory.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

namespace velmora::figures {
namespace {

std::string coordinateText(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

/// A point at `azimuthDegrees` (clockwise from north) and `distance` from `from`.
Point polar(Point from, double azimuthDegrees, double distance) {
  const double radians = azimuthDegrees * std::numbers::pi / 180.0;
  return {from.x + distance * std::cos(radians), from.y + distance * std::sin(radians)};
}

/// Rounds a coordinate to what its text says, so the angles fit the typed values.
double asWritten(double value, std::string& text) {
  text = coordinateText(value);
  return std::stod(text);
}

/// The true angles of the figure's three triangles, from its coordinates.
void measureTrueAngles(Figure& f) {
  const Point triangles[3][2] = {{f.a, f.b}, {f.b, f.c}, {f.c, f.a}};
  for (std::size_t t = 0; t < 3; ++t) {
    const Point first = triangles[t][0], second = triangles[t][1];
    f.trueDegrees[3 * t] = interiorAngle(first, second, f.p);
    f.trueDegrees[3 * t + 1] = interiorAngle(second, f.p, first);
    f.trueDegrees[3 * t + 2] = interiorAngle(f.p, first, second);
  }
}

}  // namespace

double interiorAngle(Point at, Point p1, Point p2) {
  const double ux = p1.x - at.x, uy = p1.y - at.y;
  const double vx = p2.x - at.x, vy = p2.y - at.y;
  return std::atan2(std::fabs(ux * vy - uy * vx), ux * vx + uy * vy) * 180.0 / std::numbers::pi;
}

std::string packedDms(double degrees, int secondDecimals) {
  long long scale = 1;
  for (int i = 0; i < secondDecimals; ++i) scale *= 10;
  // Round once in the smallest unit, then split: a carry cannot leave 60 seconds.
  const long long units = std::llround(degrees * 3600.0 * static_cast<double>(scale));
  const long long perMinute = 60 * scale;
  const long long wholeDegrees = units / (60 * perMinute);
  const long long minutes = units % (60 * perMinute) / perMinute;
  const long long secondUnits = units % perMinute;
  char text[64];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld", wholeDegrees, minutes, secondUnits / scale);
  std::string packed = text;
  std::string fraction = std::to_string(secondUnits % scale + scale);  // leading "1" keeps the zeros
  return packed + fraction.substr(1);
}

Figure randomFigure(std::mt19937_64& random, const FigureOptions& options, std::string name) {
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  std::normal_distribution<double> noise(0.0, options.noiseSeconds > 0.0 ? options.noiseSeconds : 1.0);
  Figure f;
  f.name = std::move(name);
  const Point centre{2000.0 + 4000.0 * uniform(random), 3000.0 + 4000.0 * uniform(random)};
  const double start = 360.0 * uniform(random);
  // Increasing azimuths around the centre: A, B, C clockwise on the map.
  Point known[3];
  for (int i = 0; i < 3; ++i) {
    const double azimuth = start + 120.0 * i + 30.0 * (uniform(random) - 0.5);
    known[i] = polar(centre, azimuth, 500.0 + 200.0 * uniform(random));
  }
  f.a = {asWritten(known[0].x, f.coordinateTexts[0]), asWritten(known[0].y, f.coordinateTexts[1])};
  f.b = {asWritten(known[1].x, f.coordinateTexts[2]), asWritten(known[1].y, f.coordinateTexts[3])};
  f.c = {asWritten(known[2].x, f.coordinateTexts[4]), asWritten(known[2].y, f.coordinateTexts[5])};
  const double wa = 0.2 + 0.4 * uniform(random), wb = 0.2 + 0.4 * uniform(random), wc = 0.2 + 0.4 * uniform(random);
  const double sum = wa + wb + wc;
  f.p = {(wa * f.a.x + wb * f.b.x + wc * f.c.x) / sum, (wa * f.a.y + wb * f.b.y + wc * f.c.y) / sum};

  measureTrueAngles(f);
  for (std::size_t n = 0; n < 9; ++n) {
    double observed = f.trueDegrees[n];
    if (options.noiseSeconds > 0.0) observed += noise(random) / 3600.0;
    if (options.grossAngle == n + 1) observed += options.grossSeconds / 3600.0;
    f.angleTexts[n] = packedDms(observed, options.secondDecimals);
  }
  return f;
}

Figure measuredFigure(std::string name, Point a, Point b, Point c, Point p,
                      const std::array<double, 9>& noiseSeconds) {
  Figure f;
  f.name = std::move(name);
  f.a = {asWritten(a.x, f.coordinateTexts[0]), asWritten(a.y, f.coordinateTexts[1])};
  f.b = {asWritten(b.x, f.coordinateTexts[2]), asWritten(b.y, f.coordinateTexts[3])};
  f.c = {asWritten(c.x, f.coordinateTexts[4]), asWritten(c.y, f.coordinateTexts[5])};
  f.p = p;
  measureTrueAngles(f);
  for (std::size_t n = 0; n < 9; ++n) f.angleTexts[n] = packedDms(f.trueDegrees[n] + noiseSeconds[n] / 3600.0, 1);
  return f;
}

std::string csvHeader() { return "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3"; }

std::string csvLine(const Figure& figure) {
  std::string line = figure.name;
  for (const std::string& text : figure.coordinateTexts) line += "," + text;
  for (const std::string& text : figure.angleTexts) line += "," + text;
  return line;
}

std::vector<std::string> confirmedReplies(const Figure& figure) {
  std::vector<std::string> replies;
  const auto confirmed = [&](const std::string& value) {
    replies.push_back(value);
    replies.emplace_back();
  };
  for (const std::string& text : figure.coordinateTexts) confirmed(text);
  confirmed(figure.name);
  for (const std::string& text : figure.angleTexts) confirmed(text);
  return replies;
}

}  // namespace velmora::figures
