// The operator's messages for a run that did not complete, in Chinese.
#pragma once

#include <string>

#include "engine/stage_outcome.h"

namespace velmora {

/// "计算在「step」一步中止：reason。"
std::string cannotComputeMessage(const CannotCompute& fault);

/// The scripted replies ended while `prompt` waited for its answer.
std::string repliesRanOutMessage(const std::string& prompt);

/// The operator cancelled a prompt of the run.
std::string runCancelledMessage();

}  // namespace velmora
