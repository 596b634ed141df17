// The number reader's quick exact path must give the very double the
// library's correctly rounded reading gives, for every decimal it takes.
#include "engine/number_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

namespace velmora {
namespace {

/// The library's reading of a decimal text (a leading '+' dropped, as the reader does).
double libraryReading(std::string text) {
  if (text.front() == '+') text.erase(0, 1);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void expectSameBits(const std::string& text) {
  const ReadNumber number = readNumber(text);
  ASSERT_EQ(number.reading, NumberReading::Number) << text;
  EXPECT_EQ(std::bit_cast<std::uint64_t>(number.value), std::bit_cast<std::uint64_t>(libraryReading(text))) << text;
}

// Rows at the edges of the quick path: 2^53 and one beyond, 10^22 and 10^23,
// 19 and 20 digits, signed zeros, halfway cases of a seventeenth digit.
TEST(NumberReaderExactPath, EdgesGiveTheLibrarysDouble) {
  for (const char* text : {"3146.231",
                           "-0",
                           "+0.0",
                           "-0.000e5",
                           "9007199254740992",
                           "9007199254740993",
                           "9007199254740992e-22",
                           "1e22",
                           "1e23",
                           "1e-22",
                           "1e-23",
                           "1234567890123456789",
                           "12345678901234567890",
                           "0.1",
                           "0.3",
                           "29.13491",
                           ".5",
                           "5.",
                           "000000000000000000000123.25",
                           "1.00000000000000000000000",
                           "4.35679e-5",
                           "179.59599",
                           "9007199254740991.5",
                           "1E+2",
                           "2.2250738585072014e-308",
                           "1.7976931348623157e308"}) {
    expectSameBits(text);
  }
}

TEST(NumberReaderExactPath, RandomDecimalsGiveTheLibrarysDouble) {
  std::mt19937_64 random(12345);
  std::uniform_int_distribution<int> digitCount(1, 21), digit(0, 9), exponent(-30, 30), coin(0, 3);
  for (int n = 0; n < 200000; ++n) {
    std::string text = coin(random) == 0 ? "-" : "";
    const int count = digitCount(random);
    const int point = std::uniform_int_distribution<int>(0, count)(random);
    for (int i = 0; i < count; ++i) {
      if (i == point && coin(random) != 0) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    if (coin(random) == 0) text += 'e' + std::to_string(exponent(random));
    expectSameBits(text);
    if (testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace velmora
