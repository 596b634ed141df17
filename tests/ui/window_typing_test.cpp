// What the window keeps of a typed value: full-width digits, point and signs
// from an input method as ASCII for coordinates and angles, a point name as
// typed; and a decimal comma told to be a point.
#include "ui/window_typing.h"

#include <gtest/gtest.h>

#include "ui/entry_problem.h"

namespace velmora {
namespace {

struct TypingCase {
  const char* name;
  DisplayKind kind;
  const char* typed;
  const char* kept;
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class WindowTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(WindowTyping, KeepsTheAsciiFormOfANumber) {
  const TypingCase& c = GetParam();
  EXPECT_EQ(windowEntryText(c.kind, c.typed), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowTyping,
    ::testing::Values(TypingCase{"FullWidthCoordinate", DisplayKind::Coordinate, "３１４６．２３１", "3146.231"},
                      TypingCase{"FullWidthMinus", DisplayKind::Coordinate, "－１２", "-12"},
                      TypingCase{"MinusSign", DisplayKind::Coordinate, "−12.5", "-12.5"},
                      TypingCase{"FullWidthPlusAndExponent", DisplayKind::Coordinate, "＋1.5Ｅ3", "+1.5E3"},
                      TypingCase{"MixedAngle", DisplayKind::Angle, "２9．13491", "29.13491"},
                      TypingCase{"BlanksAndLettersKept", DisplayKind::Angle, " 29.1x ", " 29.1x "},
                      TypingCase{"OtherCjkKept", DisplayKind::Coordinate, "三千", "三千"},
                      TypingCase{"NameKeptAsTyped", DisplayKind::Name, "Ｐ７", "Ｐ７"},
                      TypingCase{"Empty", DisplayKind::Coordinate, "", ""}),
    [](const ::testing::TestParamInfo<TypingCase>& row) { return std::string(row.param.name); });

TEST(WindowTyping, FullWidthNumbersAreAcceptedAndADecimalCommaIsToldToBeAPoint) {
  EXPECT_FALSE(entryProblem(DisplayKind::Coordinate, "３１４６．２３１"));
  EXPECT_FALSE(entryProblem(DisplayKind::Angle, "２９．１３４９１"));
  EXPECT_EQ(entryProblem(DisplayKind::Coordinate, "3146,231"), "小数点请用“.”，不用逗号");
  EXPECT_EQ(entryProblem(DisplayKind::Angle, "29,13491"), "小数点请用“.”，不用逗号");
  EXPECT_EQ(entryProblem(DisplayKind::Coordinate, "3,146,231"), "不是数字");  // no one comma to mend
  EXPECT_EQ(entryProblem(DisplayKind::Name, "3146,231"), std::nullopt);       // a name is any text
}

}  // namespace
}  // namespace velmora
