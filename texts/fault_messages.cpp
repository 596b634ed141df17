#include "texts/fault_messages.h"

namespace velmora {

std::string cannotComputeMessage(const CannotCompute& fault) {
  return "计算在「" + fault.step + "」一步中止：" + fault.reason + "。";
}

}  // namespace velmora
