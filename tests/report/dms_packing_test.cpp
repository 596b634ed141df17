#include "report/dms_packing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

struct PackingCase {
  const char* name;
  double angleDegrees;
  const char* text;
};

void PrintTo(const PackingCase& row, std::ostream* out) { *out << row.name; }

class DmsPacking : public ::testing::TestWithParam<PackingCase> {};

TEST_P(DmsPacking, PrintsDegreesMinutesSecondsAndTenths) {
  EXPECT_EQ(packedDmsText(GetParam().angleDegrees), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, DmsPacking,
    ::testing::Values(
        // The classical rule, where its remainders are not negative.
        PackingCase{"MinutesAndSeconds", 45.5125, "45.30450"}, PackingCase{"WholeDegrees", 90.0, "90.00000"},
        PackingCase{"Zero", 0.0, "0.00000"}, PackingCase{"TenthOfASecond", 10.0 + 0.1 / 3600.0, "10.00001"},
        PackingCase{"JustBelowTheNinetyPercentMinute", 12.0 + 0.89 / 60.0, "12.00534"},
        // A fraction of a degree or of a minute of 0.9 or more: rounded and carried.
        PackingCase{"DegreeFractionOfNinetyFivePercent", 45.95, "45.57000"},
        PackingCase{"DegreeFractionOfNinetyNinePercent", 10.99, "10.59240"},
        PackingCase{"MinuteFractionOfNinetyNinePercent", 12.0 + 0.99 / 60.0, "12.00594"},
        PackingCase{"CarriesSecondsIntoMinutesAndDegrees", 59.99998889, "60.00000"},
        PackingCase{"CarriesAMillionthIntoTheDegree", 30.999999, "31.00000"},
        PackingCase{"CarriesSecondsIntoMinutes", 20.0 + 59.0 / 60.0 + 59.97 / 3600.0, "21.00000"},
        PackingCase{"SecondsCarryIntoAMinuteBelowTheNextDegree", 5.0 + 58.0 / 60.0 + 59.99 / 3600.0,
                    "5.59000"},
        // Negative angles mirror positive ones; a rounded zero has no sign.
        PackingCase{"NegativeMinutesAndSeconds", -45.5125, "-45.30450"},
        PackingCase{"NegativeCarry", -59.99998889, "-60.00000"},
        PackingCase{"TinyNegative", -1e-9, "0.00000"}),
    [](const ::testing::TestParamInfo<PackingCase>& param) { return std::string(param.param.name); });

/// Reads "d.mmsss" back independently: degrees, minutes, seconds and tenths.
struct ReadBack {
  double degrees;
  int minutes;
  int secondTenths;
};

ReadBack readBack(const std::string& text) {
  const std::size_t point = text.find('.');
  EXPECT_EQ(text.size() - point, 6U) << text;
  return {std::stod(text.substr(0, point)), std::stoi(text.substr(point + 1, 2)),
          std::stoi(text.substr(point + 3, 3))};
}

TEST(DmsPacking, NeverShowsSixtyMinutesOrSecondsAndStaysWithinTheRounding) {
  // Every fraction from 0 to 1 in steps of a little under a second, across the
  // quadrants, plus the angles just below each whole minute of one degree.
  for (int degree = 0; degree < 360; degree += 37) {
    for (int step = 0; step <= 4000; ++step) {
      const double angle = degree + step * 0.00025;
      const ReadBack packed = readBack(packedDmsText(angle));
      EXPECT_LT(packed.minutes, 60) << angle;
      EXPECT_LT(packed.secondTenths, 600) << angle;
      const double printedDegrees = packed.degrees + packed.minutes / 60.0 + packed.secondTenths / 36000.0;
      EXPECT_LE(std::fabs(printedDegrees - angle) * 3600.0, 0.05 + 1e-6) << angle;
    }
  }
}

TEST(DmsPacking, NegativeAngleIsTheMirrorOfItsMagnitude) {
  for (const double angle : {0.5, 45.95, 12.0 + 0.99 / 60.0, 59.99998889, 123.456789}) {
    EXPECT_EQ(packedDmsText(-angle), "-" + packedDmsText(angle)) << angle;
  }
}

}  // namespace
}  // namespace velmora
