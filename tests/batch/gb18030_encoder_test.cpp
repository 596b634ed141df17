// Writing UTF-8 text as GB18030: the bytes a Chinese Windows system reads, the
// way back through the reader's converter, and texts that are not UTF-8.
#include "input/gb18030_encoder.h"

#include <gtest/gtest.h>

#include "input/gb18030_converter.h"

namespace velmora {
namespace {

struct Encoding {
  std::string name;
  std::string utf8;
  std::string gb18030;
};

void PrintTo(const Encoding& row, std::ostream* out) { *out << row.name; }

class Gb18030EncoderTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(Gb18030EncoderTest, GivesTheBytesAndReadsBack) {
  const Encoding& encoding = GetParam();
  EXPECT_EQ(utf8ToGb18030(encoding.utf8), encoding.gb18030);
  Gb18030Converter converter;
  EXPECT_EQ(converter.convertWhole(encoding.gb18030), encoding.utf8);
  EXPECT_EQ(converter.replacedSequences(), 0U);
}

INSTANTIATE_TEST_SUITE_P(Texts, Gb18030EncoderTest,
                         ::testing::Values(Encoding{"ascii", "P7, \"a\";\tb\r\n", "P7, \"a\";\tb\r\n"},
                                           Encoding{"two_byte_characters", "中心点甲",
                                                    "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7"},
                                           Encoding{"euro_sign", "€", "\xA2\xE3"},
                                           Encoding{"four_byte_character", "\xF0\x9F\x98\x80", "\x94\x39\xFC\x36"},
                                           Encoding{"replacement_character", "\xEF\xBF\xBD", "\x84\x31\xA4\x37"}),
                         [](const ::testing::TestParamInfo<Encoding>& row) { return row.param.name; });

TEST(Gb18030Encoder, TextThatIsNotUtf8GivesNothing) {
  EXPECT_EQ(utf8ToGb18030("P\xFF"), std::nullopt);
  EXPECT_EQ(utf8ToGb18030("\xE4\xB8"), std::nullopt);      // cut short
  EXPECT_EQ(utf8ToGb18030("\xED\xA0\x80"), std::nullopt);  // a surrogate
  EXPECT_EQ(utf8ToGb18030("\xD6\xD0"), std::nullopt);      // GB18030 already
}

}  // namespace
}  // namespace velmora
