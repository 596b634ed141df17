#include "engine/entry_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/dms_angle.h"

namespace velmora {
namespace {

struct EntryCase {
  const char* name;
  const char* typed;
  std::optional<EntryRule> broken;  ///< none: the entry is accepted
};

void PrintTo(const EntryCase& row, std::ostream* out) { *out << row.name; }

std::string rowName(const testing::TestParamInfo<EntryCase>& row) { return row.param.name; }

class ObservedAngleRules : public testing::TestWithParam<EntryCase> {};

TEST_P(ObservedAngleRules, RefusesWhatNoSurveyorObserved) {
  EXPECT_EQ(readObservedAngleEntry(GetParam().typed).broken, GetParam().broken);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ObservedAngleRules,
    testing::Values(
        EntryCase{"Minutes59", "29.5900", std::nullopt}, EntryCase{"Minutes60", "29.6000", EntryRule::MinutesTooLarge},
        EntryCase{"Minutes75", "29.75491", EntryRule::MinutesTooLarge},
        EntryCase{"Seconds59Point9", "29.30599", std::nullopt},
        EntryCase{"Seconds60", "29.3060", EntryRule::SecondsTooLarge},
        // 0.29 x 100 is a hair below 29: still 29 minutes and no seconds.
        EntryCase{"MinutesAHairBelowWhole", "0.29", std::nullopt},
        EntryCase{"JustBelowStraightAngle", "179.5959", std::nullopt},
        EntryCase{"TenthOfASecondBelowStraightAngle", "179.59599", std::nullopt},
        EntryCase{"StraightAngle", "180", EntryRule::NotBelow180},
        EntryCase{"FullCircle", "360", EntryRule::NotBelow180},
        EntryCase{"BeyondEveryProduct", "1e306", EntryRule::NotBelow180},
        EntryCase{"DecimalPartsOfAStraightAngle", "179.99999", EntryRule::MinutesTooLarge},
        EntryCase{"TenthOfASecond", "0.00001", std::nullopt}, EntryCase{"Zero", "0", EntryRule::NotPositive},
        EntryCase{"NegativeZero", "-0", EntryRule::NotPositive},
        EntryCase{"Negative", "-45.3012", EntryRule::NotPositive}, EntryCase{"Letters", "abc", EntryRule::NotANumber},
        EntryCase{"Empty", "", EntryRule::NotANumber}, EntryCase{"DecimalComma", "45,3012", EntryRule::NotANumber},
        EntryCase{"BeyondDouble", "1e400", EntryRule::OutOfRange},
        EntryCase{"BlanksAround", " 45.3012 ", std::nullopt}),
    rowName);

class CoordinateRules : public testing::TestWithParam<EntryCase> {};

TEST_P(CoordinateRules, FollowTheNumberRules) {
  EXPECT_EQ(readCoordinateEntry(GetParam().typed).broken, GetParam().broken);
}

INSTANTIATE_TEST_SUITE_P(Numbers, CoordinateRules,
                         testing::Values(EntryCase{"Ordinary", "3146.231", std::nullopt},
                                         EntryCase{"NegativeAndZero", "-0", std::nullopt},
                                         EntryCase{"Exponent", "1e5", std::nullopt},
                                         EntryCase{"Empty", "", EntryRule::NotANumber},
                                         EntryCase{"FullWidthDigits", "３146.231", EntryRule::NotANumber},
                                         EntryCase{"Hexadecimal", "0x10", EntryRule::NotANumber},
                                         EntryCase{"BeyondDouble", "-1e400", EntryRule::OutOfRange}),
                         rowName);

// The checked angle is the one the run computes with, to the last bit: a
// second reading of the text must not round differently.
TEST(ObservedAngleValue, IsTheConversionsOwn) {
  for (const char* typed : {"45.30125", "0.29", "179.59599", "89.0001"}) {
    const ObservedAngleEntry entry = readObservedAngleEntry(typed);
    ASSERT_FALSE(entry.broken) << typed;
    EXPECT_EQ(entry.degrees, dmsToDegrees(std::stod(typed))) << typed;
  }
}

}  // namespace
}  // namespace velmora
