// What an adjustment stage reports back: done, or cannot compute. A stage that
// cannot compute names its step and the value that stopped it, in the
// operator's language; the compute flow turns that into the operator's message.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace velmora {

struct CannotCompute {
  std::string step;    ///< the step, e.g. "三角形 2 的闭合差"
  std::string reason;  ///< the value and what is wrong with it
};

/// Empty when the stage is done.
using StageOutcome = std::optional<CannotCompute>;

inline StageOutcome done() { return std::nullopt; }
inline StageOutcome cannotCompute(std::string step, std::string reason) {
  return CannotCompute{std::move(step), std::move(reason)};
}

}  // namespace velmora
