#include "texts/fault_messages.h"

#include "texts/fault_texts.h"

namespace velmora {

std::string cannotComputeMessage(const CannotCompute& fault) {
  return "计算在「" + computeStepText(fault.step, fault.triangle) + "」一步中止：" + faultReasonText(fault) + "。";
}

std::string cannotCheckMessage(std::string_view failure) {
  std::string message = "严密平差检核不能计算：";
  message += failure;
  return message;
}

}  // namespace velmora
