#include "check/check_text.h"

#include <array>

#include "check/classical_comparison.h"
#include "engine/number_text.h"

namespace velmora {
namespace {

constexpr AngleArray<const char*> kAngleNames{{"A(1)", "B(1)", "C(1)", "A(2)", "B(2)", "C(2)", "A(3)", "B(3)", "C(3)"}};

/// Angle n (1..9) as typed.
std::string typedAngle(const AdjustmentState& state, std::size_t n) {
  const std::size_t t = (n - 1) / 3 + 1;
  const TriangleArray<std::string>* kinds[3] = {&state.distanceAngleDms, &state.advanceAngleDms,
                                                &state.centralAngleDms};
  return (*kinds[(n - 1) % 3])[t];
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string precisionLines(const AdjustmentState& state, const RigorousCheck& check) {
  const ClassicalComparison c = compareWithClassical(state, check);
  std::string text;
  text += "单位权中误差 m0 : " + fixedText(check.m0, 2) + " 秒（经典 mb " + fixedText(state.mb, 2) +
          " 秒，mb - m0 = " + fixedText(c.mbMinusM0, 3) + " 秒）\n";
  text += "待定点中误差 mx : " + fixedText(check.mx, 2) + " 毫米  my : " + fixedText(check.my, 2) +
          " 毫米  mp : " + fixedText(check.mp, 2) + " 毫米（经典 md " + fixedText(state.md, 2) +
          " 毫米，md - mp = " + fixedText(c.mdMinusMp, 2) + " 毫米）\n";
  text += "误差椭圆 a : " + fixedText(check.ellipse.a, 2) + " 毫米  b : " + fixedText(check.ellipse.b, 2) +
          " 毫米  长轴方位角 : " + fixedText(check.ellipse.azimuth, 4) + " 度\n";
  const char* from[3] = {"由A点", "由B点", "由C点"};
  text += "经典结果减严密结果 :";
  for (std::size_t i = 0; i < 3; ++i) {
    text += std::string(i == 0 ? " " : "；") + from[i] + " dx = " + fixedText(c.dx[i], 3) +
            " 毫米 dy = " + fixedText(c.dy[i], 3) + " 毫米";
  }
  return text + "\n";
}

std::string angleTable(const AdjustmentState& state, const RigorousCheck& check) {
  std::string text = "角号      观测值    残差(秒)  多余观测分量  标准化残差\n";
  std::string flagged;
  for (std::size_t n = 1; n <= kObservedAngles; ++n) {
    text += std::string(kAngleNames[n]) + padded(typedAngle(state, n), 12) +
            padded(fixedText(check.residuals[n], 2), 12) + padded(fixedText(check.redundancy[n], 3), 14) +
            padded(fixedText(check.standardized[n], 2), 12) + (check.flagged[n] ? "  *" : "") + "\n";
    if (check.flagged[n]) flagged += std::string(flagged.empty() ? "" : " ") + kAngleNames[n];
  }
  return text + "粗差标记（|标准化残差| > 3.29） : " + (flagged.empty() ? "无" : flagged) + "\n";
}

}  // namespace

std::string checkText(const AdjustmentState& state, const RigorousCheck& check) {
  std::string text =
      "严密平差检核（间接平差，九个观测角等权，A、B、C 固定，迭代 " + std::to_string(check.iterations) + " 次）\n";
  text += "待定点 " + state.pointName + " : x = " + fixedText(check.p.x, 5) + " 米  y = " + fixedText(check.p.y, 5) +
          " 米\n";
  return text + precisionLines(state, check) + angleTable(state, check);
}

}  // namespace velmora
