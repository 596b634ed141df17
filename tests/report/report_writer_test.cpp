#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/report/recording_printer.h"
#include "tests/report/sample_state.h"

namespace velmora {
namespace {

using testing::completedSampleRun;
using testing::PrinterCall;
using testing::RecordingPrinter;

RecordingPrinter printedSample(const AdjustmentState& state = completedSampleRun()) {
  RecordingPrinter printer;
  EXPECT_TRUE(printReport(state, printer).printed);
  return printer;
}

TEST(ReportWriter, PrintsFiftyThreeLinesElevenOfThemEmpty) {
  const std::vector<std::string> lines = printedSample().lines();
  ASSERT_EQ(lines.size(), 53U);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 11);
}

TEST(ReportWriter, SetsUpPositionFaceAndSizeFirstAndEndsTheDocumentLast) {
  const std::vector<PrinterCall> calls = printedSample().calls;
  ASSERT_GE(calls.size(), 4U);
  EXPECT_EQ(calls[0].kind, PrinterCall::Kind::Position);
  EXPECT_EQ(calls[0].first, 2000);
  EXPECT_EQ(calls[0].second, 1000);
  EXPECT_EQ(calls[1].kind, PrinterCall::Kind::FontName);
  EXPECT_EQ(calls[1].faceName, "");
  EXPECT_EQ(calls[2].kind, PrinterCall::Kind::FontSize);
  EXPECT_EQ(calls[2].first, 12);
  EXPECT_EQ(calls.back().kind, PrinterCall::Kind::End);
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                          [](const PrinterCall& c) { return c.kind == PrinterCall::Kind::End; }),
            1);
}

TEST(ReportWriter, TitleLinesAtTwelvePointsTheRestAtTen) {
  std::vector<int> expected(53, 10);
  expected[0] = expected[1] = 12;
  EXPECT_EQ(printedSample().lineFontSizes(), expected);
}

struct ExpectedLine {
  int number;  // 1-based line of the report
  const char* items;
};

void PrintTo(const ExpectedLine& row, std::ostream* out) { *out << "line " << row.number; }

class ReportLine : public ::testing::TestWithParam<ExpectedLine> {};

TEST_P(ReportLine, HasTheQuotedItemsAndColumns) {
  const std::vector<std::string> lines = printedSample().lines();
  ASSERT_EQ(lines.size(), 53U);
  EXPECT_EQ(lines[GetParam().number - 1], GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    SampleRun, ReportLine,
    ::testing::Values(
        ExpectedLine{1, "24:--- Velmora ---"}, ExpectedLine{3, "22:已知点座标 :"},
        ExpectedLine{5, "24:A 点座标 : xa=| 3456.780|39:ya=| 1234.500"},
        ExpectedLine{6, "24:B 点座标 : xb=| 3000.000|39:yb=| -2000.123"},
        ExpectedLine{7, "24:C 点座标 : xc=| 2500.001|39:yc=| 1000.000"},
        ExpectedLine{9, "41:观测角 :|63:平差角 :"}, ExpectedLine{11, "24:第 1 个三角形 :"},
        // The distance angle (typed as A(i)) stands on the "a(" line, the advancing angle on the "b(" line.
        ExpectedLine{12, "24:前进角 : a(| 1 |)=|37: 45.30120|59:45.30450"},
        ExpectedLine{13, "24:求距角 : b(| 1 |)=|37: 60.10000|59:60.10000"},
        ExpectedLine{14, "24:间隔角 : c(| 1 |)=|37: 74.29480|59:74.30000"},
        ExpectedLine{15, "24:第 2 个三角形 :"},
        ExpectedLine{16, "24:前进角 : a(| 2 |)=|37: 45.30000|59:90.00000"},
        ExpectedLine{17, "24:求距角 : b(| 2 |)=|37: 70.20000|59:45.57000"},
        ExpectedLine{20, "24:前进角 : a(| 3 |)=|37: 60.00000|59:31.00000"},
        ExpectedLine{22, "24:间隔角 : c(| 3 |)=|37: 69.59300|59:60.00000"},
        ExpectedLine{24, "22:第一组三角形条件闭合差 :"}, ExpectedLine{25, "37:w(| 1 |)=| 1.50 秒"},
        ExpectedLine{26, "37:w(| 2 |)=| -3.46 秒"}, ExpectedLine{27, "37:w(| 3 |)=| 0.00 秒"},
        ExpectedLine{29, "22:第二组条件方程式闭合差 :"}, ExpectedLine{31, "37:w(| 2 |)=| 0.00 秒"},
        ExpectedLine{33, "37:w(4)=| 12.50 单位"}, ExpectedLine{35, "22:法方程式联系数 :"},
        ExpectedLine{37, "37:k(| 1 |)=| 0.12346"}, ExpectedLine{39, "37:k(| 3 |)=| 0.00000"},
        ExpectedLine{40, "37:k(| 4 |)=| 2.00000"}, ExpectedLine{42, "22:平差结果 :"},
        ExpectedLine{43, "24:由 A 点推算待定点 : xp1=| 2987.654|35:yp1=| 1500.000"},
        ExpectedLine{44, "24:由 B 点推算待定点 : xp2=| 2987.655|35:yp2=| 1500.000"},
        ExpectedLine{45, "24:由 C 点推算待定点 : xp3=| 2987.655|35:yp3=| 1500.000"},
        ExpectedLine{47, "22:精度评定 :"}, ExpectedLine{48, "30:单位权测角中误差 : mb=| 1.23 秒"},
        ExpectedLine{50, "30:待定点方位角权倒数 : 1/pb=| 0.01235"},
        ExpectedLine{51, "30:  待定点边长权倒数 : 1/ps=| 1.50000"},
        ExpectedLine{52, "30:待定点单位权点位中误差 : md=| 5.68 毫米"},
        ExpectedLine{53, "30:待定点相对起始点相对中误差 : 1/m= 1/|93169"}),
    [](const ::testing::TestParamInfo<ExpectedLine>& param) {
      return "Line" + std::to_string(param.param.number);
    });

TEST(ReportWriter, RelativeErrorWithoutDenominatorPrintsInfinity) {
  AdjustmentState state = completedSampleRun();
  state.m.reset();
  EXPECT_EQ(printedSample(state).lines().back(), "30:待定点相对起始点相对中误差 : 1/m= 1/|∞");
}

TEST(ReportWriter, TypedTextThatIsNotANumberPrintsAsTyped) {
  AdjustmentState state = completedSampleRun();
  state.ya = "12a";
  EXPECT_EQ(printedSample(state).lines()[4], "24:A 点座标 : xa=| 3456.780|39:ya=| 12a");
}

TEST(ReportWriter, RefusesWithoutACompleteRunAndCallsNoPrinterOperation) {
  AdjustmentState state = completedSampleRun();
  state.lastRunComplete = false;
  RecordingPrinter printer;
  const PrintOutcome outcome = printReport(state, printer);
  EXPECT_FALSE(outcome.printed);
  EXPECT_FALSE(outcome.message.empty());
  EXPECT_TRUE(printer.calls.empty());
}

TEST(ReportWriter, PrintingTwiceGivesTwoIdenticalDocuments) {
  const AdjustmentState state = completedSampleRun();
  RecordingPrinter printer;
  printReport(state, printer);
  printReport(state, printer);
  const std::vector<std::string> lines = printer.lines();
  ASSERT_EQ(lines.size(), 106U);
  EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 53, lines.begin() + 53));
  EXPECT_EQ(printer.lineFontSizes()[53], 12);
}

}  // namespace
}  // namespace velmora
