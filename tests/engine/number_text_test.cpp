#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "engine/number_reader.h"

namespace velmora {
namespace {

TEST(FixedText, PatternsPadRoundAndDropTheSignOfZero) {
  EXPECT_EQ(fixedText(3456.78, 3), "3456.780");
  EXPECT_EQ(fixedText(45.3012, 5), "45.30120");
  EXPECT_EQ(fixedText(2500.12345, 3), "2500.123");
  EXPECT_EQ(fixedText(-12.3456, 3), "-12.346");
  EXPECT_EQ(fixedText(1234.56749, 3), "1234.567");
  EXPECT_EQ(fixedText(17.0, 3), "17.000");
  EXPECT_EQ(fixedText(0.5, 2), "0.50");
  EXPECT_EQ(fixedText(-0.0001, 3), "0.000");
  EXPECT_EQ(fixedText(-0.0, 2), "0.00");
  EXPECT_EQ(fixedText(1e20, 2), "100000000000000000000.00");
}

TEST(RoundHalfEven, ExactHalvesGoToTheEvenDigit) {
  EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
  EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
  EXPECT_EQ(roundHalfEven(2.5, 0), 2.0);
  EXPECT_EQ(roundHalfEven(-3.456, 2), -3.46);
  EXPECT_FALSE(std::signbit(roundHalfEven(-0.001, 2)));
}

TEST(PlainText, ShortestWithoutTrailingZerosOrExponent) {
  EXPECT_EQ(plainText(4.0), "4");
  EXPECT_EQ(plainText(0.1), "0.1");
  EXPECT_EQ(plainText(1e21), "1000000000000000000000");
  EXPECT_EQ(plainText(1.5e-7), "0.00000015");
  EXPECT_EQ(plainText(-0.0), "0");
  EXPECT_EQ(plainRoundedText(-3.456, 2), "-3.46");
  EXPECT_EQ(plainRoundedText(4.0, 2), "4");
  EXPECT_EQ(plainRoundedText(-0.004, 2), "0");
  EXPECT_EQ(plainRoundedText(1.2345675, 6), "1.234568");
}

TEST(PlainSingleText, AtMostSevenSignificantDigits) {
  EXPECT_EQ(plainSingleText(93169.0F), "93169");
  EXPECT_EQ(plainSingleText(12.35F), "12.35");
  EXPECT_EQ(plainSingleText(123456.79F), "123456.8");
  EXPECT_EQ(plainSingleText(-812345.67F), "-812345.7");
  EXPECT_EQ(plainSingleText(0.0012345678F), "0.001234568");
  EXPECT_EQ(plainSingleText(-0.0F), "0");
  // From 10^7 up, the whole number the single holds, in full digits.
  EXPECT_EQ(plainSingleText(123456792.0F), "123456792");
  EXPECT_EQ(plainSingleText(3.0e38F), "300000000549775575777803994281145270272");
}

TEST(TypedValueText, NumbersUnderThePatternOtherTextsAsTyped) {
  EXPECT_EQ(typedValueText("100", 3), "100.000");
  EXPECT_EQ(typedValueText(" 45.3 ", 5), "45.30000");
  EXPECT_EQ(typedValueText("abc", 3), "abc");
  EXPECT_EQ(typedValueText("", 3), "");
  EXPECT_EQ(typedValueText("1e400", 3), "1e400");
}

/// The display of a typed number is the pattern of the value it reads as.
std::string patternOfReadValue(const std::string& typed, int decimals) {
  return fixedText(readNumber(typed).value, decimals);
}

struct TypedCase {
  const char* name;
  const char* typed;
  int decimals;
  const char* shown;
};

TEST(TypedValueText, PlainDecimalsShowTheirOwnDigitsPadded) {
  const TypedCase cases[] = {
      {"coordinate with all decimals", "3146.231", 3, "3146.231"},
      {"angle padded", "116.1745", 5, "116.17450"},
      {"whole number gains the point", "100", 3, "100.000"},
      {"no decimals wanted", "42", 0, "42"},
      {"negative", "-12.5", 3, "-12.500"},
      {"negative zero loses its sign", "-0.000", 3, "0.000"},
      {"negative zero without point", "-0", 5, "0.00000"},
      {"leading zeros still read", "007.5", 3, "7.500"},
      {"point first still reads", ".5", 3, "0.500"},
      {"point last still reads", "5.", 3, "5.000"},
      {"plus sign still reads", "+5.25", 3, "5.250"},
      {"more decimals are rounded", "2500.12351", 3, "2500.124"},
      {"fifteen digits kept", "9999999999.99999", 5, "9999999999.99999"},
      {"sixteen digits show the value they read as", "99999999999.99999", 5, "99999999999.99998"},
  };
  for (const TypedCase& c : cases) {
    EXPECT_EQ(typedValueText(c.typed, c.decimals), c.shown) << c.name;
    EXPECT_EQ(typedValueText(c.typed, c.decimals), patternOfReadValue(c.typed, c.decimals)) << c.name;
  }
}

/// Random plain decimals of every length around the digits a double keeps show
/// exactly the pattern of the value they read as.
TEST(TypedValueText, AgreesWithThePatternOfTheReadValueOverRandomDecimals) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int round = 0; round < 200000; ++round) {
    const int wholeDigits = static_cast<int>(random() % 18) + 1;
    const int decimals = static_cast<int>(random() % 6);
    const int fractionDigits = static_cast<int>(random() % 7);
    std::string typed = random() % 2 == 0 ? "-" : "";
    for (int i = 0; i < wholeDigits; ++i) typed += static_cast<char>('0' + digit(random));
    if (fractionDigits > 0) typed += '.';
    for (int i = 0; i < fractionDigits; ++i) typed += static_cast<char>('0' + digit(random));
    ASSERT_EQ(typedValueText(typed, decimals), patternOfReadValue(typed, decimals)) << typed << " / " << decimals;
  }
}

struct ReadCase {
  const char* text;
  NumberReading reading;
  double value;
};

TEST(ReadNumber, AcceptsOnlyPlainDecimalNotation) {
  const ReadCase cases[] = {
      {"45.3012", NumberReading::Number, 45.3012}, {"  -12.5  ", NumberReading::Number, -12.5},
      {"+7", NumberReading::Number, 7.0},          {"5.", NumberReading::Number, 5.0},
      {".5", NumberReading::Number, 0.5},          {"1e3", NumberReading::Number, 1000.0},
      {"2.5E-2", NumberReading::Number, 0.025},    {"-0", NumberReading::Number, 0.0},
      {"", NumberReading::NotANumber, 0.0},        {"   ", NumberReading::NotANumber, 0.0},
      {"-", NumberReading::NotANumber, 0.0},       {".", NumberReading::NotANumber, 0.0},
      {"1e", NumberReading::NotANumber, 0.0},      {"inf", NumberReading::NotANumber, 0.0},
      {"nan", NumberReading::NotANumber, 0.0},     {"0x10", NumberReading::NotANumber, 0.0},
      {"1,5", NumberReading::NotANumber, 0.0},     {"１２３", NumberReading::NotANumber, 0.0},
      {"1 2", NumberReading::NotANumber, 0.0},     {"--1", NumberReading::NotANumber, 0.0},
      {"1e400", NumberReading::OutOfRange, 0.0},   {"-1e400", NumberReading::OutOfRange, 0.0},
  };
  for (const ReadCase& c : cases) {
    const ReadNumber read = readNumber(c.text);
    EXPECT_EQ(read.reading, c.reading) << '"' << c.text << '"';
    if (c.reading == NumberReading::Number) {
      EXPECT_EQ(read.value, c.value) << '"' << c.text << '"';
    }
  }
}

TEST(RelativeErrorText, WholeNumberOrInfinity) {
  EXPECT_EQ(relativeErrorDenominatorText(93169.0F), "93169");
  EXPECT_EQ(relativeErrorDenominatorText(123456792.0F), "123456792");
  EXPECT_EQ(relativeErrorDenominatorText(std::nullopt), "∞");
}

}  // namespace
}  // namespace velmora
