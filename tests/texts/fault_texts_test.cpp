// The operator's message for each kind of fault, word for word: window,
// console and batch all show these texts.
#include <gtest/gtest.h>

#include <string>

#include "texts/fault_messages.h"

namespace velmora {
namespace {

struct MessageCase {
  const char* name;
  CannotCompute fault;
  const char* message;
};

void PrintTo(const MessageCase& row, std::ostream* out) { *out << row.name; }

CannotCompute fault(ComputeStep step, std::uint8_t triangle, FaultKind kind, FaultSubject subject,
                    std::string value = {}, EntryRule rule = EntryRule::NotANumber) {
  return {step, triangle, kind, subject, rule, std::move(value), subject.entry};
}

using Q = FaultQuantity;
using A = QuantityFunction;
using S = ComputeStep;
using K = FaultKind;

const MessageCase kMessages[] = {
    {"BrokenCoordinate",
     fault(S::KnownSides, 0, K::BrokenEntry, {Q::KnownCoordinate, 0, A::Itself, FigureEntry::yb}, "1OO"),
     "计算在「已知边长与方位角计算」一步中止：B 点的横座标 Yb 的输入值 “1OO” 不是数字。"},
    {"AngleThatIsNoObservation",
     fault(S::AngleConversion, 2, K::BrokenEntry, {Q::AdvanceAngle, 2, A::Itself, FigureEntry::b2}, "29.75491",
           EntryRule::MinutesTooLarge),
     "计算在「三角形 2 的角度换算」一步中止：前进角 B(2) 的输入值 “29.75491” 不是可能的观测值：分必须小于 60。"},
    {"AngleBeyondDouble",
     fault(S::AngleConversion, 3, K::BrokenEntry, {Q::CentralAngle, 3, A::Itself, FigureEntry::c3}, "1e400",
           EntryRule::OutOfRange),
     "计算在「三角形 3 的角度换算」一步中止：中心角 C(3) 的输入值 “1e400” 超出数值范围。"},
    {"ZeroTangent", fault(S::TriangleClosure, 1, K::ZeroDivisor, {Q::DistanceAngle, 1, A::Tangent}, "0"),
     "计算在「三角形 1 的闭合差与改正」一步中止：求距角 A(1) 的正切 为零，不能作除数。"},
    {"UndefinedCoefficient", fault(S::TriangleClosure, 2, K::Undefined, {Q::AdvanceAngle, 2, A::LogSineCoefficient}),
     "计算在「三角形 2 的闭合差与改正」一步中止：前进角 B(2) 的对数正弦系数 无法计算（结果无定义）。"},
    {"OverflowingSide", fault(S::KnownSides, 0, K::Overflow, {Q::KnownSide, 2, A::Length}),
     "计算在「已知边长与方位角计算」一步中止：已知边 BC 的边长 溢出（超出数值范围）。"},
    {"SineNotPositive", fault(S::TriangleClosure, 3, K::NotPositiveForLog, {Q::DistanceAngle, 3, A::Sine}, "-0.5"),
     "计算在「三角形 3 的闭合差与改正」一步中止：求距角 A(3) 的正弦 = -0.5，不是正数，不能取对数。"},
    {"NegativeRoot", fault(S::Precision, 0, K::NegativeForRoot, {Q::PositionWeightSum}, "-18.2"),
     "计算在「精度评定」一步中止：5.3/Ps + 23.5/Pb = -18.2，为负数，不能开平方。"},
    {"BeyondSingle", fault(S::SecondGroupMisclosures, 0, K::BeyondSingle, {Q::SecondGroupMisclosure, 4}, "1e+40"),
     "计算在「第二组条件闭合差」一步中止：极条件闭合差 w4 = 1e+40，超出单精度数的范围。"},
    {"GrossTriangle", fault(S::TriangleClosure, 1, K::GrossMisclosure, {Q::TriangleMisclosure, 1}, "600.1"),
     "计算在「三角形 1 的闭合差与改正」一步中止：闭合差 w(1) = 600.1 秒，绝对值超过 600 秒，请检查三角形 1 "
     "的三个观测角。"},
    {"GrossFixedAngle", fault(S::SecondGroupMisclosures, 0, K::GrossMisclosure, {Q::SecondGroupMisclosure, 2}, "-700"),
     "计算在「第二组条件闭合差」一步中止：固定角闭合差 w2 = -700 秒，绝对值超过 600 秒，请检查 A、B、C 点的座标。"},
    {"GrossCircle", fault(S::SecondGroupMisclosures, 0, K::GrossMisclosure, {Q::SecondGroupMisclosure, 3}, "900"),
     "计算在「第二组条件闭合差」一步中止：圆周角闭合差 w3 = 900 秒，绝对值超过 600 秒，请检查三个中心角的观测值。"},
    {"CoincidentPoints", fault(S::KnownSides, 0, K::CoincidentPoints, {Q::KnownSide, 3}),
     "计算在「已知边长与方位角计算」一步中止：已知点 C 与 A 重合（相距不足 0.001 米），请检查它们的座标。"},
    {"Collinear", fault(S::KnownSides, 0, K::CollinearPoints, {Q::ThreeKnownPoints}),
     "计算在「已知边长与方位角计算」一步中止：已知点 A、B、C 在一条直线上（三角形 ABC 的高不足 0.001 "
     "米），请检查它们的座标。"},
    {"CounterClockwise", fault(S::KnownSides, 0, K::CounterClockwise, {Q::ThreeKnownPoints}),
     "计算在「已知边长与方位角计算」一步中止：已知点 A、B、C 在图上按逆时针方向编号（x 向北，y "
     "向东），应按顺时针方向编号。"},
    {"Pivot", fault(S::Correlates, 0, K::ZeroDivisor, {Q::Pivot, 3}, "0"),
     "计算在「法方程式联系数计算」一步中止：法方程式第 3 个主元 为零，不能作除数。"},
    {"SideWeightReciprocal", fault(S::NormalReduction, 0, K::Overflow, {Q::WeightReciprocal, 6}),
     "计算在「法方程式约化与权倒数计算」一步中止：权倒数 1/Ps 溢出（超出数值范围）。"},
    {"AdjustedSide", fault(S::CoordinatesOfP, 0, K::Overflow, {Q::AdjustedSideToP, 1}),
     "计算在「待定点座标计算」一步中止：平差边长 PA 溢出（超出数值范围）。"},
    {"CoordinateOfP", fault(S::CoordinatesOfP, 0, K::Undefined, {Q::CoordinateOfP, 5}),
     "计算在「待定点座标计算」一步中止：yp3 无法计算（结果无定义）。"},
    {"ProvisionalDistance", fault(S::ProvisionalDistances, 0, K::Overflow, {Q::ProvisionalDistance, 2}),
     "计算在「待定点近似边长计算」一步中止：近似边长 PB 溢出（超出数值范围）。"},
};

class FaultMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(FaultMessages, SayTheStepTheValueAndWhatIsWrong) {
  EXPECT_EQ(cannotComputeMessage(GetParam().fault), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultMessages, testing::ValuesIn(kMessages),
                         [](const testing::TestParamInfo<MessageCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace velmora
