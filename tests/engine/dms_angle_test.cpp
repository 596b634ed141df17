#include "engine/dms_angle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora {
namespace {

struct DmsCase {
  const char* name;
  double packed;
  double degrees;
};

void PrintTo(const DmsCase& row, std::ostream* out) { *out << row.name; }

class DmsToDegrees : public testing::TestWithParam<DmsCase> {};

TEST_P(DmsToDegrees, ConvertsByTheClassicalFormula) {
  EXPECT_NEAR(dmsToDegrees(GetParam().packed), GetParam().degrees, 1e-12) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Angles, DmsToDegrees,
                         testing::Values(DmsCase{"minutes_and_seconds", 45.3012, 45.0 + 30.0 / 60.0 + 12.0 / 3600.0},
                                         DmsCase{"fraction_of_second", 45.30125, 45.0 + 30.0 / 60.0 + 12.5 / 3600.0},
                                         DmsCase{"negative_every_part", -1.3, -1.5},
                                         DmsCase{"product_a_hair_below_whole", 0.29, 29.0 / 60.0},
                                         DmsCase{"largest_minutes_and_seconds", 10.5959,
                                                 10.0 + 59.0 / 60.0 + 59.0 / 3600.0}),
                         [](const testing::TestParamInfo<DmsCase>& param) { return std::string(param.param.name); });

TEST(DmsToDegreesExact, WholeDegreesConvertExactly) {
  EXPECT_EQ(dmsToDegrees(90.0), 90.0);
  EXPECT_EQ(dmsToDegrees(0.0), 0.0);
}

// Guards the truncation fault: 0.29 * 100 is 28.999999999999996 in floating point.
TEST(DmsToDegreesExact, ProductBelowWholeMinuteKeepsItsMinute) {
  EXPECT_EQ(dmsToDegrees(0.29), (0.0 + (29.0 - 0.0) / 60.0) + (2900.0 - 2900.0) / 3600.0);
}

// Outside the hair, the formula's own result stands, digit for digit.
TEST(DmsToDegreesExact, OrdinaryValueFollowsTheFormulaExactly) {
  const double x = 45.3012;
  const double expected =
      (45.0 + (std::trunc(x * 100.0) - 4500.0) / 60.0) + (x * 10000.0 - std::trunc(x * 100.0) * 100.0) / 3600.0;
  EXPECT_EQ(dmsToDegrees(x), expected);
}

}  // namespace
}  // namespace velmora
