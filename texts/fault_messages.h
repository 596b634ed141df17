// The operator's messages, in Chinese, for a result that cannot be had: a run
// that stopped at a stage (made from the fault's step and reason), and a
// rigorous check without a complete run or that cannot be computed. One text
// each for the window, the console and each batch error record.
#pragma once

#include <string>
#include <string_view>

#include "engine/stage_outcome.h"

namespace velmora {

/// "计算在「step」一步中止：reason。"
std::string cannotComputeMessage(const CannotCompute& fault);

/// The check asked for before any run completed.
inline constexpr std::string_view kNoRunToCheckMessage = "没有可检核的计算结果：请先完成一次计算。";

/// "严密平差检核不能计算：failure", the failure as the check gives it.
std::string cannotCheckMessage(std::string_view failure);

}  // namespace velmora
