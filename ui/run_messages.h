// The operator's messages for a run that did not complete, in Chinese: a
// stage that cannot compute (cannotComputeMessage, shared with batch in
// texts/fault_messages.h) and scripted replies that ran out.
#pragma once

#include <string>

#include "texts/fault_messages.h"

namespace velmora {

/// The scripted replies ended while `prompt` waited for its answer.
std::string repliesRanOutMessage(const std::string& prompt);

/// The operator cancelled a prompt of the run.
std::string runCancelledMessage();

}  // namespace velmora
