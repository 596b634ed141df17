#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

#include "input/text_escaping.h"
#include "output/shortest_number.h"

namespace velmora {
namespace {

template <typename Number>
std::string shortest(Number value) {
  std::string out;
  appendShortest(out, value);
  return out;
}

TEST(ShortestNumber, Texts) {
  EXPECT_EQ(shortest(0.1), "0.1");
  EXPECT_EQ(shortest(-0.0), "0");
  EXPECT_EQ(shortest(0.0), "0");
  EXPECT_EQ(shortest(3560.412784261606), "3560.412784261606");
  EXPECT_EQ(shortest(245461.0F), "245461");
  EXPECT_EQ(shortest(-0.0F), "0");
  EXPECT_EQ(shortest(1.7066209F), "1.7066209");  // the single's text, not its double's 1.70662093162536...
  EXPECT_EQ(shortest(1e-7), "1e-07");
  EXPECT_EQ(shortest(1e22), "1e+22");
}

TEST(ShortestNumber, ReadsBackToTheSameValue) {
  std::mt19937_64 random(1);
  for (int n = 0; n < 100000; ++n) {
    const double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    const std::string text = shortest(value);
    double back = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(back, value) << text;
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single)) continue;
    const std::string singleText = shortest(single);
    float singleBack = 0.0F;
    std::from_chars(singleText.data(), singleText.data() + singleText.size(), singleBack);
    ASSERT_EQ(singleBack, single) << singleText;
  }
}

std::string json(std::string_view text) {
  std::string out;
  appendJsonString(out, text);
  return out;
}

TEST(TextEscaping, JsonStrings) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"P7", "\"P7\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"a\nb\r\tc", "\"a\\nb\\r\\tc\""},
      {std::string_view("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
      {"待定点", "\"待定点\""},
      {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
      {"a\xFF"
       "b",
       "\"a\xEF\xBF\xBD"
       "b\""},                                                       // not UTF-8
      {"\xE5\xBE", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // cut short
      {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(json(text), expected) << text;
}

TEST(TextEscaping, CsvFields) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"P7", "P7"},         {"", ""},
      {"a,b", "\"a,b\""},   {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"a\nb", "\"a\nb\""}, {"a\rb", "\"a\rb\""},
      {"待定点", "待定点"}};
  for (const auto& [text, expected] : cases) {
    std::string out;
    appendCsvField(out, text);
    EXPECT_EQ(out, expected) << text;
  }
}

// A point name or message with markup, controls or broken bytes still gives well-formed XML.
TEST(TextEscaping, XmlTexts) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"P7", "P7"},
      {"<a & \"b\">", "&lt;a &amp; &quot;b&quot;&gt;"},
      {"a\tb\nc", "a\tb\nc"},
      {std::string_view("a\x01\x1f"
                        "b",
                        4),
       "a\xEF\xBF\xBD\xEF\xBF\xBD"
       "b"},
      {"待定点", "待定点"},
      {"a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(xmlText(text), expected) << text;
}

template <typename Number>
std::string standardText(Number value) {
  if (value == 0) return "0";
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
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
  for (const double value : doubles) EXPECT_EQ(shortest(value), standardText(value)) << value;
  const float floats[] = {1.0F,    1e5F,   245461.0F, 1.7066209F, -4.170882F,  FLT_MAX,
                          FLT_MIN, 1e-45F, 0.1F,      3e10F,      50331652.0F, 1.2e11F};
  for (const float value : floats) EXPECT_EQ(shortest(value), standardText(value)) << value;
  EXPECT_EQ(shortest(-0.0), "0");
  EXPECT_EQ(shortest(-0.0F), "0");
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
    if (shortest(value) != standardText(value) && ++different <= 5) {
      ADD_FAILURE() << standardText(value) << " written as " << shortest(value);
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
