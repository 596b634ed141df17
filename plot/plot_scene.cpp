#include "plot/plot_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "grade/grade_checks.h"
#include "grade/grade_text.h"
#include "plot/ellipse_magnification.h"
#include "plot/round_numbers.h"
#include "plot/text_boxes.h"

namespace velmora {
namespace {

constexpr double kFigureSize = 600.0;    // the figure's longer extent, drawing units
constexpr double kMargin = 90.0;         // around the figure, for names and angle names
constexpr double kTitleBand = 50.0;      // above the figure
constexpr double kFooterBand = 40.0;     // below the figure, for the scale bar
constexpr double kLeastWidth = 700.0;    // room for the title
constexpr double kScaleBarShare = 0.25;  // the scale bar at most this share of the figure's extent

/// Where the figure's metres land in the drawing.
struct FigureMapping {
  double leastEast = 0.0, greatestNorth = 0.0;
  double unitsPerMetre = 0.0;
  PlotPoint origin;  ///< drawing position of (greatestNorth, leastEast)

  PlotPoint operator()(PlanePoint p) const {
    return {origin.x + (p.y - leastEast) * unitsPerMetre, origin.y + (greatestNorth - p.x) * unitsPerMetre};
  }
};

PlanePoint knownPoint(const std::string& x, const std::string& y) { return {readNumber(x).value, readNumber(y).value}; }

double length(PlotPoint v) { return std::hypot(v.x, v.y); }
PlotPoint minus(PlotPoint a, PlotPoint b) { return {a.x - b.x, a.y - b.y}; }
PlotPoint along(PlotPoint from, PlotPoint unit, double distance) {
  return {from.x + unit.x * distance, from.y + unit.y * distance};
}
PlotPoint unitOf(PlotPoint v) {
  const double l = length(v);
  return l > 0.0 ? PlotPoint{v.x / l, v.y / l} : PlotPoint{0.0, -1.0};
}

/// Unit vector halfway between the directions from `vertex` to `p1` and `p2`, and half the angle.
std::pair<PlotPoint, double> bisector(PlotPoint vertex, PlotPoint p1, PlotPoint p2) {
  const PlotPoint u = unitOf(minus(p1, vertex)), w = unitOf(minus(p2, vertex));
  const double halfAngle = 0.5 * std::acos(std::clamp(u.x * w.x + u.y * w.y, -1.0, 1.0));
  return {unitOf({u.x + w.x, u.y + w.y}), halfAngle};
}

/// Extent of the figure, in metres, and its mapping into the drawing.
FigureMapping mapFigure(const std::array<PlanePoint, 4>& points, PlotScene& scene) {
  double leastNorth = points[0].x, greatestNorth = points[0].x, leastEast = points[0].y, greatestEast = points[0].y;
  for (const PlanePoint& p : points) {
    leastNorth = std::min(leastNorth, p.x);
    greatestNorth = std::max(greatestNorth, p.x);
    leastEast = std::min(leastEast, p.y);
    greatestEast = std::max(greatestEast, p.y);
  }
  const double extent = figureExtentMetres(points);
  FigureMapping mapping{leastEast, greatestNorth, kFigureSize / extent, {}};
  const double figureWidth = (greatestEast - leastEast) * mapping.unitsPerMetre;
  const double figureHeight = (greatestNorth - leastNorth) * mapping.unitsPerMetre;
  scene.width = std::max(kLeastWidth, figureWidth + 2.0 * kMargin);
  scene.height = kTitleBand + figureHeight + 2.0 * kMargin + kFooterBand;
  mapping.origin = {0.5 * (scene.width - figureWidth), kTitleBand + kMargin};
  scene.unitsPerMetre = mapping.unitsPerMetre;
  return mapping;
}

void addSidesAndRays(const std::array<PlotPoint, 4>& at, PlotScene& scene) {
  for (std::size_t i = 0; i < 3; ++i) scene.lines.push_back({at[i], at[(i + 1) % 3], StrokeRole::Side});
  for (std::size_t i = 0; i < 3; ++i) scene.lines.push_back({at[i], at[3], StrokeRole::Ray});
  for (std::size_t i = 0; i < 4; ++i) scene.markers.push_back({at[i], i < 3});
}

/// A, B, C outwards from the triangle's centre; P's name in the widest gap between its rays.
void addPointNames(const std::array<PlotPoint, 4>& at, const std::string& pointName, PlotScene& scene) {
  const PlotPoint centre{(at[0].x + at[1].x + at[2].x) / 3.0, (at[0].y + at[1].y + at[2].y) / 3.0};
  constexpr std::array<const char*, 3> kKnownNames = {"A", "B", "C"};
  for (std::size_t i = 0; i < 3; ++i) {
    scene.texts.push_back(
        {along(at[i], unitOf(minus(at[i], centre)), 22.0), kKnownNames[i], TextRole::PointName, TextAnchor::Middle});
  }
  std::pair<PlotPoint, double> widest{{0.0, -1.0}, 0.0};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto gap = bisector(at[3], at[i], at[(i + 1) % 3]);
    if (gap.second > widest.second) widest = gap;
  }
  scene.texts.push_back({along(at[3], widest.first, 20.0), pointName, TextRole::PointName, TextAnchor::Middle});
}

/// Each angle's name on the bisector at its vertex, farther out where the angle is narrow.
void addAngleNames(const std::array<PlotPoint, 4>& at, double ellipseReach, PlotScene& scene) {
  // Triangle t: first known point, second known point; angles at the first, the second and P.
  constexpr std::array<std::array<std::size_t, 2>, 3> kTriangles = {{{0, 1}, {1, 2}, {2, 0}}};
  constexpr std::array<const char*, 9> kNames = {"A(1)", "B(1)", "C(1)", "A(2)", "B(2)",
                                                 "C(2)", "A(3)", "B(3)", "C(3)"};
  for (std::size_t t = 0; t < 3; ++t) {
    const PlotPoint first = at[kTriangles[t][0]], second = at[kTriangles[t][1]], p = at[3];
    const std::array<std::array<PlotPoint, 3>, 3> vertices = {
        {{first, second, p}, {second, p, first}, {p, first, second}}};
    for (std::size_t k = 0; k < 3; ++k) {
      const auto [direction, halfAngle] = bisector(vertices[k][0], vertices[k][1], vertices[k][2]);
      const double narrowReach = std::clamp(16.0 / std::sin(std::max(halfAngle, 0.05)), 30.0, 90.0);
      const double reach = k == 2 ? std::max(40.0, ellipseReach + 16.0) : narrowReach;
      scene.texts.push_back(
          {along(vertices[k][0], direction, reach), kNames[3 * t + k], TextRole::AngleName, TextAnchor::Middle});
    }
  }
}

/// The check's ellipse magnified by a round factor to about a fifth of the figure.
void addEllipse(const RigorousCheck& check, PlotPoint p, double extentMetres, PlotScene& scene) {
  if (!(check.ellipse.a > 0.0)) return;
  scene.ellipseFactor = ellipseMagnification(check.ellipse.a, extentMetres);
  const double unitsPerMillimetre = scene.ellipseFactor * scene.unitsPerMetre / 1000.0;
  scene.ellipse =
      PlotEllipse{p, check.ellipse.a * unitsPerMillimetre, check.ellipse.b * unitsPerMillimetre, check.ellipse.azimuth};
}

/// How badly a text would sit: each line or text it meets, and leaving the canvas.
int clutter(const PlotText& text, const PlotScene& scene) {
  const TextBox box = textBox(text);
  int hits = 0;
  for (const PlotLine& line : scene.lines) hits += segmentCrossesBox(line.from, line.to, box) ? 1 : 0;
  for (const PlotText& other : scene.texts) hits += boxesOverlap(box, textBox(other)) ? 1 : 0;
  if (box.left < 0.0 || box.right > scene.width || box.top < 0.0 || box.bottom > scene.height) hits += 100;
  return hits;
}

/// The factor just outside the ellipse where it meets the fewest lines and
/// texts: tried around the ellipse, to the right and left first.
void addEllipseFactor(PlotPoint p, PlotScene& scene) {
  if (!scene.ellipse) return;
  const std::string text = ellipseFactorText(scene.ellipseFactor);
  constexpr std::array<double, 16> kDirectionsDegrees = {0,   180, 30, 150, 330, 210, 60,  120,
                                                         300, 240, 90, 270, 15,  165, 345, 195};
  std::optional<PlotText> best;
  int bestClutter = 0;
  for (const double degrees : kDirectionsDegrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const PlotPoint direction{std::cos(radians), std::sin(radians)};
    const TextAnchor anchor = direction.x > 0.3    ? TextAnchor::Start
                              : direction.x < -0.3 ? TextAnchor::End
                                                   : TextAnchor::Middle;
    const double gap = std::fabs(direction.x) > 0.3 ? 8.0 : 14.0;
    const PlotText candidate{along(p, direction, scene.ellipse->semiMajor + gap), text, TextRole::EllipseFactor,
                             anchor};
    const int score = clutter(candidate, scene);
    if (!best || score < bestClutter) {
      best = candidate;
      bestClutter = score;
    }
  }
  scene.texts.push_back(*best);
}

void addScaleBar(double extentMetres, PlotScene& scene) {
  scene.scaleBarMetres = largestRoundNumberAtMost(kScaleBarShare * extentMetres);
  const double left = 30.0, y = scene.height - 0.5 * kFooterBand;
  const double right = left + scene.scaleBarMetres * scene.unitsPerMetre;
  scene.lines.push_back({{left, y}, {right, y}, StrokeRole::ScaleBar});
  scene.lines.push_back({{left, y - 6.0}, {left, y}, StrokeRole::ScaleBar});
  scene.lines.push_back({{right, y - 6.0}, {right, y}, StrokeRole::ScaleBar});
  scene.texts.push_back(
      {{right + 8.0, y - 3.0}, plainText(scene.scaleBarMetres) + " 米", TextRole::ScaleLabel, TextAnchor::Start});
}

void addNorthArrow(PlotScene& scene) {
  const double x = scene.width - 40.0, tip = kTitleBand + 34.0, tail = tip + 50.0;
  scene.lines.push_back({{x, tail}, {x, tip}, StrokeRole::NorthArrow});
  scene.lines.push_back({{x - 7.0, tip + 14.0}, {x, tip}, StrokeRole::NorthArrow});
  scene.lines.push_back({{x + 7.0, tip + 14.0}, {x, tip}, StrokeRole::NorthArrow});
  scene.texts.push_back({{x, tip - 14.0}, "北", TextRole::North, TextAnchor::Middle});
}

std::string titleText(const AdjustmentState& state) {
  std::string line = highestGradeLine(highestGradeMet(gradeInputs(state)));
  line.pop_back();  // its line break
  return "待定点 " + state.pointName + "　mb = " + fixedText(state.mb, 2) + " 秒　md = " + fixedText(state.md, 2) +
         " 毫米　" + line;
}

}  // namespace

PlotScene buildPlotScene(const AdjustmentState& state, const RigorousCheck& check) {
  PlotScene scene;
  const std::array<PlanePoint, 4> points = {knownPoint(state.xa, state.ya), knownPoint(state.xb, state.yb),
                                            knownPoint(state.xc, state.yc), check.p};
  const FigureMapping map = mapFigure(points, scene);
  const double extentMetres = kFigureSize / scene.unitsPerMetre;
  const std::array<PlotPoint, 4> at = {map(points[0]), map(points[1]), map(points[2]), map(points[3])};
  addSidesAndRays(at, scene);
  addEllipse(check, at[3], extentMetres, scene);
  addPointNames(at, state.pointName, scene);
  addAngleNames(at, scene.ellipse ? scene.ellipse->semiMajor : 0.0, scene);
  addEllipseFactor(at[3], scene);
  addScaleBar(extentMetres, scene);
  addNorthArrow(scene);
  scene.texts.push_back({{0.5 * scene.width, 0.5 * kTitleBand}, titleText(state), TextRole::Title, TextAnchor::Middle});
  return scene;
}

}  // namespace velmora
