#include "plot/round_numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct RoundCase {
  const char* name;
  double value;
  double nearest;  ///< on a logarithmic scale
  double atMost;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }

class RoundNumbers : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundNumbers, NearestAndLargestNotAbove) {
  const RoundCase& c = GetParam();
  EXPECT_DOUBLE_EQ(nearestRoundNumber(c.value), c.nearest);
  EXPECT_DOUBLE_EQ(largestRoundNumberAtMost(c.value), c.atMost);
  EXPECT_TRUE(isRoundNumber(c.nearest));
  EXPECT_TRUE(isRoundNumber(c.atMost));
}

// Between 2 and 5 the log midpoint is sqrt(10) = 3.162; between 5 and 10, sqrt(50) = 7.071.
INSTANTIATE_TEST_SUITE_P(
    Values, RoundNumbers,
    ::testing::Values(RoundCase{"Exactly1000", 1000.0, 1000.0, 1000.0},
                      RoundCase{"Just1000Less", 999.999, 1000.0, 500.0},
                      RoundCase{"Sample52000", 52000.0, 50000.0, 50000.0}, RoundCase{"Below3162", 3.16, 2.0, 2.0},
                      RoundCase{"Above3162", 3.17, 5.0, 2.0}, RoundCase{"Below7071", 7.07, 5.0, 5.0},
                      RoundCase{"Above7071", 7.08, 10.0, 5.0}, RoundCase{"Below1414", 1.41, 1.0, 1.0},
                      RoundCase{"SmallFraction", 0.0031, 0.002, 0.002},
                      RoundCase{"ExactlyTwoHundred", 200.0, 200.0, 200.0}),
    [](const ::testing::TestParamInfo<RoundCase>& row) { return std::string(row.param.name); });

TEST(RoundNumbers, OnlyOneTwoFiveTimesAPowerOfTen) {
  for (const double round : {1.0, 2.0, 5.0, 0.01, 0.02, 0.05, 1e5, 2e8, 5e-7})
    EXPECT_TRUE(isRoundNumber(round)) << round;
  for (const double other : {3.0, 4.0, 25.0, 1.5, 0.03, 7e5, 2.0001}) EXPECT_FALSE(isRoundNumber(other)) << other;
}

}  // namespace
}  // namespace velmora
