#include "plot/text_boxes.h"

#include <gtest/gtest.h>

#include <string>

#include "plot/plot_style.h"

namespace velmora {
namespace {

TEST(TextBox, CjkCharactersAreWiderThanLatinOnes) {
  const double size = textStyle(TextRole::EllipseFactor).size;
  const TextBox latin = textBox({{100.0, 50.0}, "ab", TextRole::EllipseFactor, TextAnchor::Start});
  const TextBox cjk = textBox({{100.0, 50.0}, "误差", TextRole::EllipseFactor, TextAnchor::End});
  EXPECT_DOUBLE_EQ(latin.left, 100.0);
  EXPECT_DOUBLE_EQ(latin.right, 100.0 + 1.2 * size);
  EXPECT_DOUBLE_EQ(cjk.right, 100.0);
  EXPECT_DOUBLE_EQ(cjk.left, 100.0 - 2.0 * size);
  EXPECT_LT(latin.top, 50.0);
  EXPECT_GT(latin.bottom, 50.0);
}

struct CrossingCase {
  const char* name;
  PlotPoint from, to;
  bool crosses;
};

void PrintTo(const CrossingCase& c, std::ostream* os) { *os << c.name; }

class SegmentAndBox : public ::testing::TestWithParam<CrossingCase> {};

// The box spans x 10..20, y 10..20.
TEST_P(SegmentAndBox, Crossing) {
  const TextBox box{10.0, 10.0, 20.0, 20.0};
  EXPECT_EQ(segmentCrossesBox(GetParam().from, GetParam().to, box), GetParam().crosses);
  EXPECT_EQ(segmentCrossesBox(GetParam().to, GetParam().from, box), GetParam().crosses);
}

INSTANTIATE_TEST_SUITE_P(Segments, SegmentAndBox,
                         ::testing::Values(CrossingCase{"Through", {0.0, 15.0}, {30.0, 15.0}, true},
                                           CrossingCase{"Diagonal", {0.0, 0.0}, {30.0, 30.0}, true},
                                           CrossingCase{"Inside", {12.0, 12.0}, {18.0, 18.0}, true},
                                           CrossingCase{"EndsBefore", {0.0, 15.0}, {9.0, 15.0}, false},
                                           CrossingCase{"Above", {0.0, 5.0}, {30.0, 5.0}, false},
                                           CrossingCase{"PassesTheCorner", {0.0, 19.0}, {19.0, 0.0}, false},
                                           CrossingCase{"Vertical", {15.0, 0.0}, {15.0, 30.0}, true},
                                           CrossingCase{"VerticalBeside", {21.0, 0.0}, {21.0, 30.0}, false}),
                         [](const ::testing::TestParamInfo<CrossingCase>& row) { return std::string(row.param.name); });

TEST(TextBox, OverlapNeedsBothDirections) {
  const TextBox a{0.0, 0.0, 10.0, 10.0};
  EXPECT_TRUE(boxesOverlap(a, {5.0, 5.0, 15.0, 15.0}));
  EXPECT_FALSE(boxesOverlap(a, {5.0, 11.0, 15.0, 15.0}));
  EXPECT_FALSE(boxesOverlap(a, {10.0, 0.0, 15.0, 10.0}));  // touching edges do not overlap
}

}  // namespace
}  // namespace velmora
