#include "ui/run_messages.h"

namespace velmora {

std::string repliesRanOutMessage(const std::string& prompt) {
  return "回答已用完，计算在提示「" + prompt + "」处中止。";
}

std::string runCancelledMessage() { return "计算已取消。"; }

}  // namespace velmora
