#include "texts/fault_texts.h"

#include <array>
#include <string_view>

#include "input/utf8_text.h"
#include "texts/entry_rule_texts.h"

namespace velmora {
namespace {

std::string triangleText(std::string_view before, int i, std::string_view after) {
  return std::string(before) + std::to_string(i) + std::string(after);
}

/// "A 点的纵座标 Xa" .. "C 点的横座标 Yc".
std::string knownCoordinateText(FigureEntry entry) {
  const auto n = static_cast<std::size_t>(entry);
  constexpr std::array<std::string_view, 3> kPoints{"A", "B", "C"};
  const std::string_view axis = n % 2 == 0 ? " 点的纵座标 " : " 点的横座标 ";
  return std::string(kPoints[n / 2]) + std::string(axis) + std::string(kFigureEntryRows[entryRow(entry)].label);
}

std::string_view ofThree(const std::array<std::string_view, 3>& names, int index) {
  return names.at(static_cast<std::size_t>(index - 1));
}

constexpr std::array<std::string_view, 3> kKnownSides{"已知边 AB", "已知边 BC", "已知边 CA"};
constexpr std::array<std::string_view, 3> kSidesToP{"PA", "PB", "PC"};
constexpr std::array<std::string_view, 4> kSecondGroupMisclosures{"固定角闭合差 w1", "固定角闭合差 w2",
                                                                  "圆周角闭合差 w3", "极条件闭合差 w4"};
constexpr std::array<std::string_view, 6> kCoordinatesOfP{"xp1", "yp1", "xp2", "yp2", "xp3", "yp3"};

std::string quantityText(const FaultSubject& subject) {
  const int i = subject.index;
  switch (subject.quantity) {
    case FaultQuantity::DistanceAngle: return triangleText("求距角 A(", i, ")");
    case FaultQuantity::AdvanceAngle: return triangleText("前进角 B(", i, ")");
    case FaultQuantity::CentralAngle: return triangleText("中心角 C(", i, ")");
    case FaultQuantity::TriangleMisclosure: return triangleText("闭合差 w(", i, ")");
    case FaultQuantity::FirstGroupVv: return "闭合差平方和";
    case FaultQuantity::KnownCoordinate: return subject.entry ? knownCoordinateText(*subject.entry) : "已知点座标";
    case FaultQuantity::KnownSide: return std::string(ofThree(kKnownSides, i));
    case FaultQuantity::ThreeKnownPoints: return "已知点 A、B、C";
    case FaultQuantity::SecondGroupMisclosure:
      return std::string(kSecondGroupMisclosures.at(static_cast<std::size_t>(i - 1)));
    case FaultQuantity::ProvisionalDistance: return "近似边长 " + std::string(ofThree(kSidesToP, i));
    case FaultQuantity::Pivot: return triangleText("法方程式第 ", i, " 个主元");
    case FaultQuantity::ReducedCoefficient: return "约化后的法方程式系数";
    case FaultQuantity::NormalSolution: return "法方程式的解";
    case FaultQuantity::WeightReciprocal: return i == 6 ? "权倒数 1/Ps" : "权倒数 1/Pb";
    case FaultQuantity::WeightQuadraticTerm: return "权函数的二次项";
    case FaultQuantity::Correction: return "改正数 v";
    case FaultQuantity::CorrectionVv: return "改正数平方和";
    case FaultQuantity::VvPerCondition: return "[vv]/7";
    case FaultQuantity::PositionWeightSum: return "5.3/Ps + 23.5/Pb";
    case FaultQuantity::UnitWeightError: return "测角中误差 mb";
    case FaultQuantity::PositionError: return "点位中误差 md";
    case FaultQuantity::RelativeErrorDenominator: return "相对中误差分母 m";
    case FaultQuantity::AdjustedSideToP: return "平差边长 " + std::string(ofThree(kSidesToP, i));
    case FaultQuantity::CoordinateOfP: return std::string(kCoordinatesOfP.at(static_cast<std::size_t>(i)));
  }
  return {};
}

std::string_view functionText(QuantityFunction function) {
  switch (function) {
    case QuantityFunction::Itself: return "";
    case QuantityFunction::Tangent: return " 的正切";
    case QuantityFunction::LogSineCoefficient: return " 的对数正弦系数";
    case QuantityFunction::Sine: return " 的正弦";
    case QuantityFunction::Length: return " 的边长";
  }
  return "";
}

bool isObservedAngle(FaultQuantity quantity) {
  return quantity == FaultQuantity::DistanceAngle || quantity == FaultQuantity::AdvanceAngle ||
         quantity == FaultQuantity::CentralAngle;
}

/// " 的输入值 “1OO” 不是数字"; an angle that is a number but no observation says so first.
std::string brokenEntryText(const CannotCompute& fault) {
  const bool aNumber = fault.rule != EntryRule::NotANumber && fault.rule != EntryRule::OutOfRange;
  const std::string_view observation = isObservedAngle(fault.subject.quantity) && aNumber ? "不是可能的观测值：" : "";
  return " 的输入值 " + quotedBeginning(fault.value) + " " + std::string(observation) +
         std::string(entryRuleText(fault.rule));
}

/// " = 700.5 秒，绝对值超过 600 秒，请检查" and what the misclosure comes from: the
/// triangle's angles, the known points (w1, w2) or the central angles (w3).
std::string grossMisclosureText(const CannotCompute& fault) {
  const std::string text = " = " + fault.value + " 秒，绝对值超过 600 秒，请检查";
  const FaultSubject& w = fault.subject;
  if (w.quantity == FaultQuantity::TriangleMisclosure) return text + triangleText("三角形 ", w.index, " 的三个观测角");
  return text + (w.index == 3 ? "三个中心角的观测值" : " A、B、C 点的座标");
}

constexpr std::array<std::string_view, 3> kPointPairs{"A 与 B", "B 与 C", "C 与 A"};

}  // namespace

std::string computeStepText(ComputeStep step, int triangle) {
  switch (step) {
    case ComputeStep::AngleConversion: return triangleText("三角形 ", triangle, " 的角度换算");
    case ComputeStep::TriangleClosure: return triangleText("三角形 ", triangle, " 的闭合差与改正");
    case ComputeStep::KnownSides: return "已知边长与方位角计算";
    case ComputeStep::SecondGroupMisclosures: return "第二组条件闭合差";
    case ComputeStep::ProvisionalDistances: return "待定点近似边长计算";
    case ComputeStep::NormalReduction: return "法方程式约化与权倒数计算";
    case ComputeStep::Correlates: return "法方程式联系数计算";
    case ComputeStep::Corrections: return "改正数计算";
    case ComputeStep::Precision: return "精度评定";
    case ComputeStep::CoordinatesOfP: return "待定点座标计算";
  }
  return {};
}

std::string faultSubjectText(const FaultSubject& subject) {
  return quantityText(subject) + std::string(functionText(subject.function));
}

std::string faultReasonText(const CannotCompute& fault) {
  const std::string name = faultSubjectText(fault.subject);
  switch (fault.kind) {
    case FaultKind::BrokenEntry: return name + brokenEntryText(fault);
    case FaultKind::Undefined: return name + " 无法计算（结果无定义）";
    case FaultKind::Overflow: return name + " 溢出（超出数值范围）";
    case FaultKind::ZeroDivisor: return name + " 为零，不能作除数";
    case FaultKind::NotPositiveForLog: return name + " = " + fault.value + "，不是正数，不能取对数";
    case FaultKind::NegativeForRoot: return name + " = " + fault.value + "，为负数，不能开平方";
    case FaultKind::BeyondSingle: return name + " = " + fault.value + "，超出单精度数的范围";
    case FaultKind::GrossMisclosure: return name + grossMisclosureText(fault);
    case FaultKind::CoincidentPoints:
      return "已知点 " + std::string(ofThree(kPointPairs, fault.subject.index)) +
             " 重合（相距不足 0.001 米），请检查它们的座标";
    case FaultKind::CollinearPoints:
      return "已知点 A、B、C 在一条直线上（三角形 ABC 的高不足 0.001 米），请检查它们的座标";
    case FaultKind::CounterClockwise:
      return "已知点 A、B、C 在图上按逆时针方向编号（x 向北，y 向东），应按顺时针方向编号";
  }
  return name;
}

}  // namespace velmora
