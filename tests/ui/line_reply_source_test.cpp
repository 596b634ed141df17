#include "ui/line_reply_source.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

struct RepliesCase {
  const char* name;
  std::string text;
  TextEncoding encoding;
  std::vector<std::string> replies;
  bool refused = false;
  bool noticed = false;  ///< the GB18030 reading is said
};

TEST(LineReplySource, RepliesAsTypedWhateverTheFile) {
  const std::string gbName = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲 in GB18030
  const std::string longest(LineReplySource::kMaxReplyBytes, '7');
  const RepliesCase cases[] = {
      {"lines and crlf", "1\r\n\n2", TextEncoding::Automatic, {"1", "", "2"}},
      {"a mark before the first reply only",
       "\xEF\xBB\xBF"
       "3146.231\n\xEF\xBB\xBFx\n",
       TextEncoding::Automatic,
       {"3146.231", "\xEF\xBB\xBFx"}},
      {"UTF-8 names", "1\n中心点甲\n", TextEncoding::Automatic, {"1", "中心点甲"}},
      {"GB18030 names", "1\n" + gbName + "\n", TextEncoding::Automatic, {"1", "中心点甲"}, false, true},
      {"GB18030 asked", gbName + "\n", TextEncoding::Gb18030, {"中心点甲"}},
      {"UTF-8 asked of GB18030 bytes", gbName + "\n", TextEncoding::Utf8, {gbName}},
      {"the longest reply", longest + "\r\n", TextEncoding::Automatic, {longest}},
      {"one byte too long ends the replies", "1\n" + longest + "7\n2\n", TextEncoding::Automatic, {"1"}, true},
  };
  for (const RepliesCase& c : cases) {
    std::istringstream input(c.text);
    std::ostringstream notices;
    LineReplySource source(input, c.encoding, &notices);
    std::vector<std::string> replies;
    while (std::optional<std::string> reply = source.next()) replies.push_back(*reply);
    EXPECT_EQ(replies, c.replies) << c.name;
    EXPECT_EQ(source.refusal().has_value(), c.refused) << c.name;
    EXPECT_EQ(notices.str().find("GB18030") != std::string::npos, c.noticed) << c.name << ": " << notices.str();
  }
}

TEST(LineReplySource, ATooLongReplyIsMeasuredAndQuotedOnlyAtItsBeginning) {
  std::istringstream input("3146.231\n" + std::string(8 << 20, '5') + "\nnext\n");
  LineReplySource source(input);
  EXPECT_EQ(source.next(), "3146.231");
  EXPECT_EQ(source.next(), std::nullopt);
  ASSERT_TRUE(source.refusal().has_value());
  EXPECT_NE(source.refusal()->find("第 2 行的回答长 8388608 字节"), std::string::npos) << *source.refusal();
  EXPECT_LT(source.refusal()->size(), 200U);
  EXPECT_EQ(source.next(), std::nullopt) << "nothing after a refused reply is taken";
}

}  // namespace
}  // namespace velmora
