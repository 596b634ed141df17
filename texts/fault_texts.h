// The operator's words for a stage's fault: its step ("三角形 2 的闭合差与改正"),
// the value it names ("求距角 A(1) 的正切") and what is wrong with it
// ("为零，不能作除数"), made from the fault's data.
#pragma once

#include <string>

#include "engine/stage_outcome.h"

namespace velmora {

/// "已知边长与方位角计算", "三角形 1 的角度换算", …
std::string computeStepText(ComputeStep step, int triangle);

/// "中心角 C(2) 的正弦", "A 点的横座标 Ya", "法方程式第 3 个主元", …
std::string faultSubjectText(const FaultSubject& subject);

/// The value named and what is wrong with it:
/// "中心角 C(2) 的正弦 为零，不能作除数", "已知点 A 与 B 重合（…）…".
std::string faultReasonText(const CannotCompute& fault);

}  // namespace velmora
