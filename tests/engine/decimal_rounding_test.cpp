#include "engine/decimal_rounding.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "engine/number_text.h"

namespace velmora {
namespace {

/// The library's exact fixed formatter, the reference for every digit.
std::string libraryFixed(double value, int decimals) {
  std::array<char, 400> buffer{};
  const auto end =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  return std::string(buffer.data(), end.ptr);
}

double libraryRounded(double value, int decimals) {
  const std::string text = libraryFixed(value, decimals);
  double rounded = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return rounded;
}

/// fixedText drops the sign of a rounded zero; otherwise it must equal the library.
std::string expectedFixed(double value, int decimals) {
  std::string text = libraryFixed(value, decimals);
  if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

TEST(DecimalRounding, ExactHalvesGoToTheEvenDigit) {
  EXPECT_EQ(scaledHalfEven(0.125, 2), 12U);
  EXPECT_EQ(scaledHalfEven(0.375, 2), 38U);
  EXPECT_EQ(scaledHalfEven(2.5, 0), 2U);
  EXPECT_EQ(scaledHalfEven(3.5, 0), 4U);
  EXPECT_EQ(scaledHalfEven(-2.5, 0), 2U);  // the magnitude
  // 2.675 is a little below the half in binary: it rounds down.
  EXPECT_EQ(scaledHalfEven(2.675, 2), 267U);
  EXPECT_EQ(scaledHalfEven(1e-300, 6), 0U);
  EXPECT_EQ(scaledHalfEven(0.0, 3), 0U);
}

TEST(DecimalRounding, OutOfItsRangeItDefersToTheLibrary) {
  EXPECT_FALSE(scaledHalfEven(1e20, 3));
  EXPECT_FALSE(scaledHalfEven(1.0, 10));
  EXPECT_FALSE(scaledHalfEven(std::nan(""), 2));
  EXPECT_EQ(fixedText(1e20, 3), "100000000000000000000.000");
}

// Every digit of the fast path must be the library formatter's, across
// magnitudes, decimals and values that sit exactly on a half.
TEST(DecimalRounding, AgreesWithTheLibraryOnAMillionValues) {
  std::mt19937_64 random(2026);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-30, 45);
  std::uniform_int_distribution<int> decimals(0, 9);
  int mismatches = 0;
  for (int n = 0; n < 1000000 && mismatches < 5; ++n) {
    double value = std::ldexp(mantissa(random), exponent(random));
    const int d = decimals(random);
    if (n % 4 == 0) value = std::round(value * std::pow(10.0, d) * 2.0) / (std::pow(10.0, d) * 2.0);  // near halves
    const std::string expected = expectedFixed(value, d);
    if (fixedText(value, d) != expected || roundHalfEven(value, d) != libraryRounded(value, d)) {
      ++mismatches;
      ADD_FAILURE() << value << " to " << d << " decimals: " << fixedText(value, d) << " vs " << expected;
    }
  }
}

}  // namespace
}  // namespace velmora
