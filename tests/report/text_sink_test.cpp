#include "report/text_sink.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report/report_writer.h"
#include "tests/report/sample_state.h"

namespace velmora {
namespace {

std::vector<std::string> outputLines(const std::string& output) {
  std::vector<std::string> lines;
  std::istringstream stream(output);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::string documentOf(const std::vector<PrintItem>& items, int xTwips = 0) {
  std::ostringstream out;
  TextSink sink(out);
  sink.setPrintPosition(xTwips, 0);
  sink.printLine(items);
  sink.endPrintDocument();
  return out.str();
}

TEST(TextSink, ItemPastItsColumnMovesToALineOfItsOwn) {
  EXPECT_EQ(documentOf({{"A 点座标 : xa=", 24}, {" 3456.780", {}}, {"ya=", 39}, {" 1234.500", {}}}),
            blanks(23) + "A 点座标 : xa= 3456.780\n" + blanks(38) + "ya= 1234.500\n");
  EXPECT_EQ(
      documentOf({{"由 A 点推算待定点 : xp1=", 24}, {" 2987.654", {}}, {"yp1=", 35}, {" 1500.000", {}}}),
      blanks(23) + "由 A 点推算待定点 : xp1= 2987.654\n" + blanks(34) + "yp1= 1500.000\n");
}

TEST(TextSink, ColumnsCountCodePointsNotBytes) {
  // "点座标" is three code points in nine bytes: column 5 lies one blank after it.
  EXPECT_EQ(documentOf({{"点座标", 1}, {"x", 5}}), "点座标 x\n");
}

TEST(TextSink, PositionSetsOnlyTheNextLinesStartRoundedUp) {
  std::ostringstream out;
  TextSink sink(out);
  sink.setPrintPosition(2000, 1000);  // column 1 + 2000/144 = 14.9, printed at 15
  sink.printLine({{"T", {}}});
  sink.printLine({{"U", {}}});
  sink.endPrintDocument();
  EXPECT_EQ(out.str(), blanks(14) + "T\nU\n");
}

TEST(TextSink, WritesEachDocumentWholeAtItsEnd) {
  std::ostringstream out;
  TextSink sink(out);
  sink.printLine({{"one", 1}});
  sink.printLine({});
  EXPECT_EQ(out.str(), "");
  sink.endPrintDocument();
  sink.printLine({{"two", 3}});
  sink.endPrintDocument();
  EXPECT_EQ(out.str(), "one\n\n  two\n");
}

TEST(TextSink, SampleReportHasFiftyNineTextLinesWithoutTrailingBlanks) {
  std::ostringstream out;
  TextSink sink(out);
  ASSERT_TRUE(printReport(testing::completedSampleRun(), sink).printed);
  const std::vector<std::string> lines = outputLines(out.str());
  // 53 lines of the report, and "ya=" to "yc=" and "yp1=" to "yp3=" on lines of their own.
  ASSERT_EQ(lines.size(), 59U);
  EXPECT_EQ(lines[0], blanks(23) + "--- Velmora ---");
  EXPECT_EQ(lines[4], blanks(23) + "A 点座标 : xa= 3456.780");
  EXPECT_EQ(lines[5], blanks(38) + "ya= 1234.500");
  EXPECT_EQ(lines[14], blanks(23) + "前进角 : a( 1 )= 45.30120" + blanks(13) + "45.30450");
  for (const std::string& line : lines) EXPECT_TRUE(line.empty() || line.back() != ' ') << line;
}

TEST(TextSink, PrintingTwiceAppendsTwoIdenticalDocuments) {
  std::ostringstream out;
  TextSink sink(out);
  printReport(testing::completedSampleRun(), sink);
  const std::string once = out.str();
  printReport(testing::completedSampleRun(), sink);
  EXPECT_EQ(out.str(), once + once);
}

}  // namespace
}  // namespace velmora
