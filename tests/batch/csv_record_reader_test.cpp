#include "figure_file/csv_record_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

struct ReadRecord {
  std::size_t line;
  std::vector<std::string> fields;
  CsvProblem problem = CsvProblem::None;
  std::size_t lines = 1;
  bool blank = false;
  friend bool operator==(const ReadRecord&, const ReadRecord&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ReadRecord& r) {
    out << "{line " << r.line << ", lines " << r.lines << (r.blank ? ", blank" : "") << ", problem "
        << static_cast<int>(r.problem) << ", fields";
    for (const std::string& f : r.fields) out << " [" << f << "]";
    return out << "}";
  }
};

std::vector<ReadRecord> readAll(const std::string& text, std::size_t expectedFields = 0,
                                TextEncoding encoding = TextEncoding::Automatic) {
  std::istringstream input(text);
  CsvRecordReader reader(input, encoding);
  reader.expectFields(expectedFields);
  std::vector<ReadRecord> records;
  for (CsvRecord record; reader.next(record);) {
    records.push_back({record.line, std::vector<std::string>(record.fields.begin(), record.fields.end()),
                       record.problem, record.lines, record.blank});
  }
  return records;
}

struct ReaderCase {
  const char* name;
  std::string text;
  std::vector<ReadRecord> records;
  std::size_t expectedFields = 0;
};

TEST(CsvRecordReader, Records) {
  using enum CsvProblem;
  const ReaderCase cases[] = {
      {"plain", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"no final line break", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"crlf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"empty fields", "x,,\n", {{1, {"x", "", ""}}}},
      {"empty lines are blank", "a\n\r\n", {{1, {"a"}}, {2, {""}, None, 1, true}}},
      {"separators and blanks only are blank",
       "a,b\n,,\n , \t,\n",
       {{1, {"a", "b"}}, {2, {"", "", ""}, None, 1, true}, {3, {" ", " \t", ""}, None, 1, true}}},
      {"semicolons from the first line", "a;b;c,d\n1,5;2;3\n", {{1, {"a", "b", "c,d"}}, {2, {"1,5", "2", "3"}}}},
      {"tabs from the first line", "a\tb\n\"x\ty\"\tz\n", {{1, {"a", "b"}}, {2, {"x\ty", "z"}}}},
      {"a blank first line decides nothing", ";;\na;b\n", {{1, {";;"}, None, 1, true}, {2, {"a", "b"}}}},
      {"quoted separator", "\"a,b\",c\n", {{1, {"a,b", "c"}}}},
      {"doubled quote", "\"say \"\"hi\"\"\",x\n", {{1, {"say \"hi\"", "x"}}}},
      {"line break in quotes", "\"a\nb\",c\nd,e\n", {{1, {"a\nb", "c"}, None, 2}, {3, {"d", "e"}}}},
      {"crlf kept inside quotes", "\"a\r\nb\"\r\n", {{1, {"a\r\nb"}, None, 2}}},
      {"quote inside a plain field", "a\"b,c\n", {{1, {"a\"b", "c"}}}},
      {"lone carriage return kept", "a\rb\n", {{1, {"a\rb"}}}},
      {"quoted empty field is not blank", "\"\",\n", {{1, {"", ""}}}},
      {"unclosed quote on the last line", "a,\"b", {{1, {"a", "b"}, UnclosedQuote}}},
      {"unclosed quote costs one line",
       "\"a,b\nc,d\ne,f\n",
       {{1, {}, UnclosedQuote}, {2, {"c", "d"}}, {3, {"e", "f"}}}},
      {"a record over lines with too few fields",
       "a,\"b\nc\",d\ne,f,g\n",
       {{1, {}, SpansLinesBadly}, {2, {"c\"", "d"}}, {3, {"e", "f", "g"}}},
       4},
      {"a record over lines with the right count", "a,\"b\nc\",d\n", {{1, {"a", "b\nc", "d"}, None, 2}}, 3},
      {"empty fields beyond the expected ones", "a,\"b\nc\",d,,\n", {{1, {"a", "b\nc", "d", "", ""}, None, 2}}, 3},
      {"text after closing quote", "\"a\"b,c\nd\n", {{1, {"a", "c"}, TextAfterQuote}, {2, {"d"}}}},
      {"a UTF-8 byte order mark is removed", "\xEF\xBB\xBFname,x\n", {{1, {"name", "x"}}}},
  };
  for (const ReaderCase& c : cases) EXPECT_EQ(readAll(c.text, c.expectedFields), c.records) << c.name;
}

TEST(CsvRecordReader, RecordsAcrossBufferBoundariesAreWhole) {
  std::string text;
  for (int n = 0; n < 20000; ++n) text += "name" + std::to_string(n) + ",\"q,\"\"" + std::to_string(n) + "\"\r\n";
  const std::vector<ReadRecord> records = readAll(text);
  ASSERT_EQ(records.size(), 20000U);
  for (std::size_t n = 0; n < records.size(); ++n) {
    ASSERT_EQ(records[n], (ReadRecord{n + 1, {"name" + std::to_string(n), "q,\"" + std::to_string(n)}})) << n;
  }
}

struct LongCase {
  const char* name;
  std::string text;
  CsvProblem problem;
  std::size_t field;
  std::size_t length;
};

TEST(CsvRecordReader, TooLongFieldsAndLinesCostOneLineAndAreMeasured) {
  const std::size_t kLimit = CsvRecordReader::kMaxFieldBytes;
  const std::string big(5 << 20, 'x');
  const LongCase cases[] = {
      {"a 5 MB plain field", "a," + big + ",c\nok\n", CsvProblem::FieldTooLong, 1, big.size()},
      {"a 5 MB quoted field", "a,\"" + big + "\"\nok\n", CsvProblem::FieldTooLong, 1, big.size()},
      {"one byte over", std::string(kLimit + 1, 'y') + "\nok\n", CsvProblem::FieldTooLong, 0, kLimit + 1},
      {"a line of many short fields", std::string(2 << 20, ',') + "z\nok\n", CsvProblem::RecordTooLong, 0,
       (2 << 20) + 1},
  };
  for (const LongCase& c : cases) {
    std::istringstream input(c.text);
    CsvRecordReader reader(input, TextEncoding::Automatic);
    CsvRecord record;
    ASSERT_TRUE(reader.next(record)) << c.name;
    EXPECT_EQ(record.problem, c.problem) << c.name;
    EXPECT_EQ(record.problemField, c.field) << c.name;
    EXPECT_EQ(record.problemLength, c.length) << c.name;
    EXPECT_LE(record.problemExcerpt.size(), 4 * 40 + 12) << c.name;
    ASSERT_TRUE(reader.next(record)) << c.name;
    EXPECT_EQ((std::vector<std::string>(record.fields.begin(), record.fields.end())), std::vector<std::string>{"ok"});
    EXPECT_EQ(record.line, 2U) << c.name;
    EXPECT_FALSE(reader.next(record)) << c.name;
  }
  std::istringstream fits(std::string(kLimit, 'y') + "\n");
  CsvRecordReader reader(fits, TextEncoding::Automatic);
  CsvRecord record;
  ASSERT_TRUE(reader.next(record));
  EXPECT_EQ(record.problem, CsvProblem::None);
  EXPECT_EQ(record.fields.at(0).size(), kLimit);
}

struct EncodingCase {
  const char* name;
  std::string text;
  TextEncoding asked;
  std::string field;
  TextEncoding found;
};

TEST(CsvRecordReader, EncodingsBecomeUtf8) {
  const std::string gbName = "\xD6\xD0\xD0\xC4\xB5\xE3\xBC\xD7";  // 中心点甲 in GB18030
  std::string asciiLines;
  while (asciiLines.size() < 70000) asciiLines += "P" + std::to_string(asciiLines.size()) + ",1\n";
  const EncodingCase cases[] = {
      {"UTF-8", "中心点甲,1\n", TextEncoding::Automatic, "中心点甲", TextEncoding::Utf8},
      {"UTF-8 with a mark", "\xEF\xBB\xBF中心点甲,1\n", TextEncoding::Automatic, "中心点甲", TextEncoding::Utf8},
      {"GB18030", gbName + ",1\n", TextEncoding::Automatic, "中心点甲", TextEncoding::Gb18030},
      {"GB18030 after ASCII", "P1,1\n" + gbName + ",1\n", TextEncoding::Automatic, "中心点甲", TextEncoding::Gb18030},
      {"GB18030 asked", gbName + ",1\n", TextEncoding::Gb18030, "中心点甲", TextEncoding::Gb18030},
      {"GB18030 after more ASCII than one read", asciiLines + gbName + ",1\n", TextEncoding::Automatic, "中心点甲",
       TextEncoding::Gb18030},
      {"UTF-8 after more ASCII than one read", asciiLines + "中心点甲,1\n", TextEncoding::Automatic, "中心点甲",
       TextEncoding::Utf8},
      {"UTF-8 asked of GB18030 bytes", gbName + ",1\n", TextEncoding::Utf8, gbName, TextEncoding::Utf8},
      {"not GB18030 either",
       "\xFF"
       "a,1\n",
       TextEncoding::Gb18030,
       "\xEF\xBF\xBD"
       "a",
       TextEncoding::Gb18030},
  };
  for (const EncodingCase& c : cases) {
    std::istringstream input(c.text);
    CsvRecordReader reader(input, c.asked);
    CsvRecord record;
    std::string last;
    while (reader.next(record)) last = std::string(record.fields.at(0));
    EXPECT_EQ(last, c.field) << c.name;
    EXPECT_EQ(reader.decoder().encoding(), c.found) << c.name;
  }
}

TEST(CsvRecordReader, GbCharactersCutByTheReadBufferAreWhole) {
  std::string text;
  const std::string gbPoint = "\xB5\xE3";  // 点
  for (int n = 0; n < 30000; ++n) text += gbPoint + std::to_string(n) + "," + gbPoint + "\n";
  std::istringstream input(text);
  CsvRecordReader reader(input, TextEncoding::Automatic);
  CsvRecord record;
  for (int n = 0; n < 30000; ++n) {
    ASSERT_TRUE(reader.next(record));
    ASSERT_EQ(record.fields.at(0), "点" + std::to_string(n));
    ASSERT_EQ(record.fields.at(1), "点");
  }
  EXPECT_FALSE(reader.next(record));
  EXPECT_EQ(reader.decoder().replacedSequences(), 0U);
}

}  // namespace
}  // namespace velmora
