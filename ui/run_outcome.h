// How a Compute run ended: complete after its last field, stopped at a step
// that cannot be computed, cut off because the scripted replies ran out, or
// cancelled by the operator at a prompt of the window.
#pragma once

#include <optional>
#include <string>

#include "engine/stage_outcome.h"

namespace velmora {

enum class RunEnd { Complete, CannotCompute, RepliesRanOut, Cancelled };

struct RunOutcome {
  RunEnd end = RunEnd::Complete;
  std::string message;                   ///< for the operator, in Chinese; empty when complete
  std::optional<CannotCompute> fault{};  ///< the failing step and value, for RunEnd::CannotCompute
};

}  // namespace velmora
