#include "batch/csv_record_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

struct ReadRecord {
  std::size_t line;
  std::vector<std::string> fields;
  bool unreadable = false;
  friend bool operator==(const ReadRecord&, const ReadRecord&) = default;
};

std::vector<ReadRecord> readAll(const std::string& text) {
  std::istringstream input(text);
  CsvRecordReader reader(input);
  std::vector<ReadRecord> records;
  for (CsvRecord record; reader.next(record);) {
    records.push_back({record.line, record.fields, !record.problem.empty()});
  }
  return records;
}

struct ReaderCase {
  const char* name;
  std::string text;
  std::vector<ReadRecord> records;
};

TEST(CsvRecordReader, Records) {
  const ReaderCase cases[] = {
      {"plain", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"no final line break", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"crlf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"empty fields", ",x,\n", {{1, {"", "x", ""}}}},
      {"blank lines skipped, counted", "\na\n\r\n\nb\n", {{2, {"a"}}, {5, {"b"}}}},
      {"quoted comma", "\"a,b\",c\n", {{1, {"a,b", "c"}}}},
      {"doubled quote", "\"say \"\"hi\"\"\"\n", {{1, {"say \"hi\""}}}},
      {"line break in quotes", "\"a\nb\",c\nd\n", {{1, {"a\nb", "c"}}, {3, {"d"}}}},
      {"crlf kept inside quotes", "\"a\r\nb\"\r\n", {{1, {"a\r\nb"}}}},
      {"quote inside a plain field", "a\"b,c\n", {{1, {"a\"b", "c"}}}},
      {"lone carriage return kept", "a\rb\n", {{1, {"a\rb"}}}},
      {"empty quoted field", "\"\",x\n", {{1, {"", "x"}}}},
      {"unclosed quote", "a,\"b\nc\n", {{1, {"a", "b\nc\n"}, true}}},
      {"text after closing quote", "\"a\"b,c\nd\n", {{1, {"ab", "c"}, true}, {2, {"d"}}}},
  };
  for (const ReaderCase& c : cases) EXPECT_EQ(readAll(c.text), c.records) << c.name;
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

TEST(CsvRecordReader, OversizedRecordsStayBounded) {
  const std::string longField(CsvRecordReader::kMaxFieldBytes + 10, 'x');
  const std::string manyFields(1000, ',');
  std::istringstream input(longField + "\n" + manyFields + "\nok\n");
  CsvRecordReader reader(input);
  CsvRecord record;
  ASSERT_TRUE(reader.next(record));
  EXPECT_FALSE(record.problem.empty());
  EXPECT_EQ(record.fields[0].size(), CsvRecordReader::kMaxFieldBytes);
  ASSERT_TRUE(reader.next(record));
  EXPECT_EQ(record.fieldCount, 1001U);
  EXPECT_EQ(record.fields.size(), CsvRecordReader::kMaxKeptFields);
  ASSERT_TRUE(reader.next(record));
  EXPECT_EQ(record.fields, std::vector<std::string>{"ok"});
  EXPECT_TRUE(record.problem.empty());
  EXPECT_FALSE(reader.next(record));
}

}  // namespace
}  // namespace velmora
