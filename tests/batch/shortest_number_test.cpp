#include "batch/shortest_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

namespace velmora {
namespace {

template <typename Number>
std::string standardText(Number value) {
  if (value == 0) return "0";
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

template <typename Number>
std::string ourText(Number value) {
  std::string text;
  appendShortest(text, value);
  return text;
}

TEST(ShortestNumber, LayoutAtTheTurningPointsEqualsTheStandardPrinter) {
  const double doubles[] = {1.0,
                            100.0,
                            1e5,
                            123456.0,
                            1e15,
                            1e16,
                            1.5e16,
                            1e21,
                            1e22,
                            0.001,
                            0.0001,
                            1.5e-4,
                            1.25e-5,
                            5e-324,
                            DBL_MAX,
                            DBL_MIN,
                            -245461,
                            -0.5,
                            2.0 / 3.0,
                            3560.412784261606,
                            9007199254740993.0,
                            1e100};
  for (const double value : doubles) EXPECT_EQ(ourText(value), standardText(value)) << value;
  const float floats[] = {1.0F,    1e5F,   245461.0F, 1.7066209F, -4.170882F,  FLT_MAX,
                          FLT_MIN, 1e-45F, 0.1F,      3e10F,      50331652.0F, 1.2e11F};
  for (const float value : floats) EXPECT_EQ(ourText(value), standardText(value)) << value;
  EXPECT_EQ(ourText(-0.0), "0");
  EXPECT_EQ(ourText(-0.0F), "0");
}

/// Random values of every exponent (random bit patterns) and of the sizes a
/// survey has (uniform up to 10^4 metres or 180 degrees).
template <typename Number, typename Bits>
void compareRandomValues(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<Number> survey(Number(-10000), Number(10000));
  std::size_t different = 0;
  for (std::size_t n = 0; n < count; ++n) {
    Number value = n % 2 == 0 ? std::bit_cast<Number>(static_cast<Bits>(random())) : survey(random);
    if (!std::isfinite(value)) continue;
    if (ourText(value) != standardText(value) && ++different <= 5) {
      ADD_FAILURE() << standardText(value) << " written as " << ourText(value);
    }
  }
  EXPECT_EQ(different, 0U);
}

TEST(ShortestNumber, TwoMillionRandomDoublesEqualTheStandardPrinter) {
  compareRandomValues<double, std::uint64_t>(2'000'000, 11);
}

TEST(ShortestNumber, TwoMillionRandomFloatsEqualTheStandardPrinter) {
  compareRandomValues<float, std::uint32_t>(2'000'000, 12);
}

}  // namespace
}  // namespace velmora
