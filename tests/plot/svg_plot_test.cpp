#include "plot/svg_plot.h"

#include <gtest/gtest.h>

#include <string>

#include "example_figures.h"

namespace velmora {
namespace {

std::size_t countOf(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

PlotScene sampleScene(const std::string& pointName) {
  ExampleRun run = exampleRun("P7");
  run.state.pointName = pointName;
  return buildPlotScene(run.state, run.check);
}

TEST(SvgPlot, HoldsEveryElementOfTheScene) {
  const PlotScene scene = sampleScene("P7");
  const std::string svg = plotSvg(scene);
  EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
  EXPECT_EQ(countOf(svg, "<line "), scene.lines.size());
  EXPECT_EQ(countOf(svg, "<text "), scene.texts.size());
  EXPECT_EQ(countOf(svg, "<polygon "), 3U);
  EXPECT_EQ(countOf(svg, "<ellipse "), 1U);
  for (const char* name : {">A<", ">B<", ">C<", ">P7<", ">北<", ">200 米<", ">误差椭圆 ×50000<"}) {
    EXPECT_NE(svg.find(name), std::string::npos) << name;
  }
  EXPECT_NE(svg.find("font-family=\"'Noto Sans CJK SC', "), std::string::npos);
  EXPECT_NE(svg.find("sans-serif\""), std::string::npos);
  for (const char* bad : {"nan", "inf", "\"-0.00\""}) EXPECT_EQ(svg.find(bad), std::string::npos) << bad;
}

// The point name is typed text: markup in it must not break the document.
struct NameCase {
  const char* label;
  std::string typed;
  std::string written;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.label; }

class TypedPointName : public ::testing::TestWithParam<NameCase> {};

TEST_P(TypedPointName, IsWrittenAsCharacterData) {
  const std::string svg = plotSvg(sampleScene(GetParam().typed));
  EXPECT_NE(svg.find(">" + GetParam().written + "</text>"), std::string::npos) << svg;
}

INSTANTIATE_TEST_SUITE_P(Names, TypedPointName,
                         ::testing::Values(NameCase{"Markup", "P<1>&\"'", "P&lt;1&gt;&amp;&quot;&apos;"},
                                           NameCase{"Chinese", "新点七", "新点七"},
                                           NameCase{"ControlCharacters",
                                                    std::string("P\x01\x1b"
                                                                "7"),
                                                    "P7"},
                                           NameCase{"NotUtf8",
                                                    std::string("P\xB5\xE3"
                                                                "7"),
                                                    "P\xEF\xBF\xBD\xEF\xBF\xBD"
                                                    "7"},
                                           NameCase{"CutUtf8", std::string("P\xE6\x96"), "P\xEF\xBF\xBD\xEF\xBF\xBD"},
                                           NameCase{"Surrogate", std::string("P\xED\xA0\x80"),
                                                    "P\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}),
                         [](const ::testing::TestParamInfo<NameCase>& row) { return std::string(row.param.label); });

}  // namespace
}  // namespace velmora
