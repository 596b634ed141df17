#include "plot/plot_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "example_figures.h"
#include "plot/round_numbers.h"
#include "plot/text_boxes.h"

namespace velmora {
namespace {

struct Geometry {
  std::array<PlanePoint, 4> metres;  ///< A, B, C from their typed texts, then the check's P
  double extentMetres = 0.0;         ///< the longer side of their bounding box
};

Geometry geometryOf(const ExampleRun& run) {
  Geometry g;
  const auto& t = run.figure.coordinateTexts;
  for (std::size_t i = 0; i < 3; ++i) g.metres[i] = {std::stod(t[2 * i]), std::stod(t[2 * i + 1])};
  g.metres[3] = run.check.p;
  const auto [northMin, northMax] = std::minmax({g.metres[0].x, g.metres[1].x, g.metres[2].x, g.metres[3].x});
  const auto [eastMin, eastMax] = std::minmax({g.metres[0].y, g.metres[1].y, g.metres[2].y, g.metres[3].y});
  g.extentMetres = std::max(northMax - northMin, eastMax - eastMin);
  return g;
}

const PlotText* textOf(const PlotScene& scene, const std::string& text) {
  for (const PlotText& t : scene.texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

double cross(PlotPoint o, PlotPoint a, PlotPoint b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

class ExampleScene : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    run = exampleRun(GetParam());
    geometry = geometryOf(run);
    scene = buildPlotScene(run.state, run.check);
    ASSERT_EQ(scene.markers.size(), 4U);
  }
  ExampleRun run;
  Geometry geometry;
  PlotScene scene;
};

TEST_P(ExampleScene, PointsStandToScaleNorthUpEastRight) {
  const double s = scene.unitsPerMetre;
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t j = 0; j < 4; ++j) {
      const PlotPoint pi = scene.markers[i].at, pj = scene.markers[j].at;
      EXPECT_NEAR(pj.x - pi.x, (geometry.metres[j].y - geometry.metres[i].y) * s, 1e-9) << i << "->" << j;
      EXPECT_NEAR(pj.y - pi.y, -(geometry.metres[j].x - geometry.metres[i].x) * s, 1e-9) << i << "->" << j;
    }
    EXPECT_EQ(scene.markers[i].known, i < 3);
  }
  // Every mark and text on the canvas.
  for (const PlotMarker& m : scene.markers) {
    EXPECT_TRUE(m.at.x > 0.0 && m.at.x < scene.width && m.at.y > 0.0 && m.at.y < scene.height);
  }
  for (const PlotText& t : scene.texts) {
    EXPECT_TRUE(t.at.x > 0.0 && t.at.x < scene.width && t.at.y > 0.0 && t.at.y < scene.height) << t.text;
  }
}

TEST_P(ExampleScene, SidesOfTheTriangleAndRaysToP) {
  int sides = 0, rays = 0;
  for (const PlotLine& line : scene.lines) {
    if (line.role == StrokeRole::Side) ++sides;
    if (line.role == StrokeRole::Ray) {
      ++rays;
      EXPECT_NEAR(std::hypot(line.to.x - scene.markers[3].at.x, line.to.y - scene.markers[3].at.y), 0.0, 1e-9);
    }
  }
  EXPECT_EQ(sides, 3);
  EXPECT_EQ(rays, 3);
}

TEST_P(ExampleScene, EllipseIsTheChecksMagnifiedByARoundFactorToAFifthOfTheFigure) {
  ASSERT_TRUE(scene.ellipse.has_value());
  const PlotEllipse& e = *scene.ellipse;
  const double unitsPerMillimetre = scene.ellipseFactor * scene.unitsPerMetre / 1000.0;
  EXPECT_NEAR(e.semiMajor / unitsPerMillimetre, run.check.ellipse.a, 1e-9 * run.check.ellipse.a);
  EXPECT_NEAR(e.semiMinor / unitsPerMillimetre, run.check.ellipse.b, 1e-9 * run.check.ellipse.a);
  EXPECT_EQ(e.azimuthDegrees, run.check.ellipse.azimuth);
  EXPECT_EQ(e.centre.x, scene.markers[3].at.x);
  EXPECT_EQ(e.centre.y, scene.markers[3].at.y);
  EXPECT_TRUE(isRoundNumber(scene.ellipseFactor)) << scene.ellipseFactor;
  // The major axis over the figure's extent; no other round factor brings it nearer a fifth.
  const double share = 2.0 * run.check.ellipse.a / 1000.0 * scene.ellipseFactor / geometry.extentMetres;
  EXPECT_GT(share, 0.2 / std::sqrt(2.5));
  EXPECT_LT(share, 0.2 * std::sqrt(2.5));
  for (const double other : {0.1, 0.2, 0.5, 2.0, 5.0, 10.0}) {
    const double otherShare = share * other;
    if (isRoundNumber(scene.ellipseFactor * other)) {
      EXPECT_GE(std::fabs(std::log(otherShare / 0.2)), std::fabs(std::log(share / 0.2))) << other;
    }
  }
  const PlotText* factor = textOf(scene, "误差椭圆 ×" + std::to_string(static_cast<long long>(scene.ellipseFactor)));
  ASSERT_NE(factor, nullptr);
  // Beside the ellipse: just outside it, clear of every line and every other text.
  const double distance = std::hypot(factor->at.x - e.centre.x, factor->at.y - e.centre.y);
  EXPECT_GE(distance, e.semiMajor);
  EXPECT_LE(distance, e.semiMajor + 30.0);
  const TextBox box = textBox(*factor);
  for (const PlotLine& line : scene.lines) EXPECT_FALSE(segmentCrossesBox(line.from, line.to, box));
  for (const PlotText& other : scene.texts) {
    EXPECT_TRUE(&other == factor || !boxesOverlap(box, textBox(other))) << other.text;
  }
}

TEST_P(ExampleScene, ScaleBarIsTheLargestRoundLengthWithinAQuarterOfTheFigure) {
  EXPECT_TRUE(isRoundNumber(scene.scaleBarMetres));
  EXPECT_LE(scene.scaleBarMetres, geometry.extentMetres / 4.0);
  EXPECT_GT(scene.scaleBarMetres * 2.5, geometry.extentMetres / 4.0);
  double longest = 0.0;
  for (const PlotLine& line : scene.lines) {
    if (line.role == StrokeRole::ScaleBar)
      longest = std::max(longest, std::hypot(line.to.x - line.from.x, line.to.y - line.from.y));
  }
  EXPECT_NEAR(longest, scene.scaleBarMetres * scene.unitsPerMetre, 1e-9);
  EXPECT_NE(textOf(scene, std::to_string(static_cast<long long>(scene.scaleBarMetres)) + " 米"), nullptr);
}

TEST_P(ExampleScene, NorthArrowPointsUp) {
  bool shaft = false;
  for (const PlotLine& line : scene.lines) {
    if (line.role == StrokeRole::NorthArrow && line.from.x == line.to.x && line.to.y < line.from.y) shaft = true;
  }
  EXPECT_TRUE(shaft);
  ASSERT_NE(textOf(scene, "北"), nullptr);
}

// Each angle's name stands inside its angle, nearer its own vertex than any other point.
TEST_P(ExampleScene, AngleNamesStandInsideTheirAnglesAtTheirVertices) {
  struct AngleAt {
    const char* name;
    std::size_t vertex, arm1, arm2;  ///< marker indices: A 0, B 1, C 2, P 3
  };
  constexpr AngleAt kAngles[] = {{"A(1)", 0, 1, 3}, {"B(1)", 1, 3, 0}, {"C(1)", 3, 0, 1},
                                 {"A(2)", 1, 2, 3}, {"B(2)", 2, 3, 1}, {"C(2)", 3, 1, 2},
                                 {"A(3)", 2, 0, 3}, {"B(3)", 0, 3, 2}, {"C(3)", 3, 2, 0}};
  for (const AngleAt& angle : kAngles) {
    const PlotText* label = textOf(scene, angle.name);
    ASSERT_NE(label, nullptr) << angle.name;
    EXPECT_EQ(label->role, TextRole::AngleName);
    const PlotPoint v = scene.markers[angle.vertex].at, a1 = scene.markers[angle.arm1].at,
                    a2 = scene.markers[angle.arm2].at;
    // Inside the angle (less than 180°): on the same side of each arm as the other arm.
    EXPECT_GT(cross(v, a1, label->at) * cross(v, a1, a2), 0.0) << angle.name;
    EXPECT_GT(cross(v, a2, label->at) * cross(v, a2, a1), 0.0) << angle.name;
    for (std::size_t other = 0; other < 4; ++other) {
      if (other == angle.vertex) continue;
      const PlotPoint o = scene.markers[other].at;
      EXPECT_LT(std::hypot(label->at.x - v.x, label->at.y - v.y), std::hypot(label->at.x - o.x, label->at.y - o.y))
          << angle.name;
    }
  }
}

TEST_P(ExampleScene, PointNamesAndTitle) {
  for (const std::string& name : {std::string("A"), std::string("B"), std::string("C"), run.state.pointName}) {
    const PlotText* label = textOf(scene, name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->role, TextRole::PointName);
  }
  const PlotText* title = textOf(scene, scene.texts.back().text);
  ASSERT_EQ(title->role, TextRole::Title);
  EXPECT_NE(title->text.find(run.state.pointName), std::string::npos);
  EXPECT_NE(title->text.find("mb = "), std::string::npos);
  EXPECT_NE(title->text.find("md = "), std::string::npos);
  EXPECT_NE(title->text.find("满足的最高等级："), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Figures, ExampleScene, ::testing::Values("P7", "Q1", "Q2", "Q3", "Q4", "Q5"));

TEST(PlotScene, SampleFigureTitleAndMagnification) {
  const ExampleRun run = exampleRun("P7");
  const PlotScene scene = buildPlotScene(run.state, run.check);
  EXPECT_EQ(scene.texts.back().text, "待定点 P7　mb = 1.71 秒　md = 3.04 毫米　满足的最高等级：三等");
  EXPECT_EQ(scene.ellipseFactor, 50000.0);
  EXPECT_EQ(scene.scaleBarMetres, 200.0);
}

// A check whose ellipse is a point (perfect angles) draws no ellipse and no factor.
TEST(PlotScene, PointEllipseDrawsNoEllipse) {
  ExampleRun run = exampleRun("P7");
  run.check.ellipse = {};
  const PlotScene scene = buildPlotScene(run.state, run.check);
  EXPECT_FALSE(scene.ellipse.has_value());
  EXPECT_EQ(scene.ellipseFactor, 0.0);
  for (const PlotText& t : scene.texts) EXPECT_EQ(t.text.find("误差椭圆"), std::string::npos) << t.text;
}

// A long thin figure keeps its proportions: the scale comes from the longer extent.
TEST(PlotScene, TallFigureKeepsItsProportionsAndRoomForTheTitle) {
  ExampleRun run = exampleRun("Q2");  // about 1040 m north-south, 910 m east-west
  const PlotScene scene = buildPlotScene(run.state, run.check);
  double northMost = scene.height, southMost = 0.0;
  for (const PlotMarker& m : scene.markers) {
    northMost = std::min(northMost, m.at.y);
    southMost = std::max(southMost, m.at.y);
  }
  EXPECT_NEAR(southMost - northMost, 600.0, 1e-9);
  EXPECT_GE(scene.width, 700.0);
}

}  // namespace
}  // namespace velmora
