// The operator's messages, in Chinese, for a run that stopped at a stage: one
// text for the window, the console and each batch error record, made from the
// fault's step and reason.
#pragma once

#include <string>

#include "engine/stage_outcome.h"

namespace velmora {

/// "计算在「step」一步中止：reason。"
std::string cannotComputeMessage(const CannotCompute& fault);

}  // namespace velmora
