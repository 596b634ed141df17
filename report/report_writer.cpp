#include "report/report_writer.h"

#include <optional>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "report/dms_packing.h"

namespace velmora {
namespace {

constexpr int kLeftTwips = 2000;
constexpr int kTopTwips = 1000;
constexpr int kTitlePoints = 12;
constexpr int kBodyPoints = 10;

constexpr int kSectionColumn = 22;
constexpr int kLabelColumn = 24;
constexpr int kPrecisionColumn = 30;
constexpr int kValueColumn = 37;
constexpr int kKnownYColumn = 39;
constexpr int kComputedYColumn = 35;
constexpr int kObservedHeadingColumn = 41;
constexpr int kAdjustedHeadingColumn = 63;
constexpr int kAdjustedAngleColumn = 59;
/// Conditions 1 to 3 close in arc seconds; condition 4, the side condition, in log units.
constexpr int kAngleConditions = 3;

PrintItem at(int column, std::string text) { return PrintItem{std::move(text), column}; }
PrintItem then(std::string text) { return PrintItem{std::move(text), std::nullopt}; }

/// A triangle or condition number between two texts: " 1 ".
std::string printedNumber(int index) { return " " + std::to_string(index) + " "; }

/// Rounded to `decimals` (halves to even), then under the fixed pattern.
std::string rounded(double value, int decimals) {
  return fixedText(roundHalfEven(value, decimals), decimals);
}

void printEmptyLine(Printer& printer) { printer.printLine({}); }

void printHeading(Printer& printer, std::string heading) {
  printer.printLine({at(kSectionColumn, std::move(heading))});
}

void printTitle(Printer& printer) {
  printer.setPrintPosition(kLeftTwips, kTopTwips);
  printer.setPrintFontName("");
  printer.setPrintFontSize(kTitlePoints);
  printer.printLine({at(kLabelColumn, "--- Velmora ---")});
  printEmptyLine(printer);
  printer.setPrintFontSize(kBodyPoints);
}

void printKnownPoint(Printer& printer, const std::string& point, const std::string& suffix,
                     const std::string& x, const std::string& y) {
  printer.printLine({at(kLabelColumn, point + " 点座标 : x" + suffix + "="), then(" " + typedValueText(x, 3)),
                     at(kKnownYColumn, "y" + suffix + "="), then(" " + typedValueText(y, 3))});
}

void printKnownPoints(const AdjustmentState& state, Printer& printer) {
  printHeading(printer, "已知点座标 :");
  printEmptyLine(printer);
  printKnownPoint(printer, "A", "a", state.xa, state.ya);
  printKnownPoint(printer, "B", "b", state.xb, state.yb);
  printKnownPoint(printer, "C", "c", state.xc, state.yc);
  printEmptyLine(printer);
}

void printAngleLine(Printer& printer, const std::string& label, int triangle, const std::string& observedDms,
                    double adjustedDegrees) {
  printer.printLine({at(kLabelColumn, label), then(printedNumber(triangle)), then(")="),
                     at(kValueColumn, " " + typedValueText(observedDms, 5)),
                     at(kAdjustedAngleColumn, packedDmsText(adjustedDegrees))});
}

/// The distance angle stands on the "a(" line under the advancing angle's
/// name and the advancing angle on the "b(" line: the report has always
/// printed them so.
void printTriangle(const AdjustmentState& state, Printer& printer, int triangle) {
  printer.printLine({at(kLabelColumn, "第 " + std::to_string(triangle) + " 个三角形 :")});
  printAngleLine(printer, "前进角 : a(", triangle, state.distanceAngleDms[triangle],
                 state.distanceAngle[triangle]);
  printAngleLine(printer, "求距角 : b(", triangle, state.advanceAngleDms[triangle],
                 state.advanceAngle[triangle]);
  printAngleLine(printer, "间隔角 : c(", triangle, state.centralAngleDms[triangle],
                 state.centralAngle[triangle]);
}

void printAngles(const AdjustmentState& state, Printer& printer) {
  printer.printLine({at(kObservedHeadingColumn, "观测角 :"), at(kAdjustedHeadingColumn, "平差角 :")});
  printEmptyLine(printer);
  for (int triangle = 1; triangle <= kTriangles; ++triangle) printTriangle(state, printer, triangle);
  printEmptyLine(printer);
}

void printMisclosureLine(Printer& printer, int index, float misclosureSeconds) {
  printer.printLine({at(kValueColumn, "w("), then(printedNumber(index)), then(")="),
                     then(" " + rounded(misclosureSeconds, 2) + " 秒")});
}

void printMisclosures(const AdjustmentState& state, Printer& printer) {
  printHeading(printer, "第一组三角形条件闭合差 :");
  for (int triangle = 1; triangle <= kTriangles; ++triangle)
    printMisclosureLine(printer, triangle, state.w[triangle]);
  printEmptyLine(printer);
  printHeading(printer, "第二组条件方程式闭合差 :");
  for (int condition = 1; condition <= kAngleConditions; ++condition) {
    printMisclosureLine(printer, condition, state.secondGroupW[condition]);
  }
  printer.printLine({at(kValueColumn, "w(4)="), then(" " + rounded(state.secondGroupW[4], 2) + " 单位")});
  printEmptyLine(printer);
}

void printCorrelates(const AdjustmentState& state, Printer& printer) {
  printHeading(printer, "法方程式联系数 :");
  printEmptyLine(printer);
  for (int condition = 1; condition <= kConditions; ++condition) {
    printer.printLine({at(kValueColumn, "k("), then(printedNumber(condition)), then(")="),
                       then(" " + rounded(state.k[condition], 5))});
  }
  printEmptyLine(printer);
}

void printPointFrom(Printer& printer, const std::string& knownPoint, int computation, double x, double y) {
  const std::string number = std::to_string(computation);
  printer.printLine({at(kLabelColumn, "由 " + knownPoint + " 点推算待定点 : xp" + number + "="),
                     then(" " + rounded(x, 3)), at(kComputedYColumn, "yp" + number + "="),
                     then(" " + rounded(y, 3))});
}

void printResults(const AdjustmentState& state, Printer& printer) {
  printHeading(printer, "平差结果 :");
  printPointFrom(printer, "A", 1, state.xp1, state.yp1);
  printPointFrom(printer, "B", 2, state.xp2, state.yp2);
  printPointFrom(printer, "C", 3, state.xp3, state.yp3);
  printEmptyLine(printer);
}

void printPrecision(const AdjustmentState& state, Printer& printer) {
  printHeading(printer, "精度评定 :");
  printer.printLine(
      {at(kPrecisionColumn, "单位权测角中误差 : mb="), then(" " + rounded(state.mb, 2) + " 秒")});
  printEmptyLine(printer);
  printer.printLine(
      {at(kPrecisionColumn, "待定点方位角权倒数 : 1/pb="), then(" " + rounded(state.invPb, 5))});
  printer.printLine(
      {at(kPrecisionColumn, "  待定点边长权倒数 : 1/ps="), then(" " + rounded(state.invPs, 5))});
  printer.printLine(
      {at(kPrecisionColumn, "待定点单位权点位中误差 : md="), then(" " + rounded(state.md, 2) + " 毫米")});
  printer.printLine({at(kPrecisionColumn, "待定点相对起始点相对中误差 : 1/m= 1/"),
                     then(relativeErrorDenominatorText(state.m))});
}

}  // namespace

std::optional<std::string> reportRefusal(const AdjustmentState& state) {
  if (state.lastRunComplete) return std::nullopt;
  return "没有可打印的计算结果：请先完成一次完整的计算，再打印。";
}

PrintOutcome printReport(const AdjustmentState& state, Printer& printer) {
  if (std::optional<std::string> refusal = reportRefusal(state)) return PrintOutcome{false, std::move(*refusal)};
  printTitle(printer);
  printKnownPoints(state, printer);
  printAngles(state, printer);
  printMisclosures(state, printer);
  printCorrelates(state, printer);
  printResults(state, printer);
  printPrecision(state, printer);
  printer.endPrintDocument();
  return PrintOutcome{true, ""};
}

}  // namespace velmora
