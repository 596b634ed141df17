// What an adjustment stage reports back: done, or cannot compute. A stage that
// cannot compute names its step, the typed entry it concerns (if one), the
// offending value and what is wrong, in the operator's language; the compute
// flow makes the operator's message from them.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "engine/figure_entry.h"

namespace velmora {

struct CannotCompute {
  std::string step;                  ///< the step, e.g. "三角形 2 的闭合差与改正"
  std::string reason;                ///< the value named, and what is wrong with it
  std::optional<FigureEntry> entry;  ///< the typed value at fault; none when several or none are
  std::string value;                 ///< the offending value as typed or computed; may be empty
};

/// Empty when the stage is done.
using StageOutcome = std::optional<CannotCompute>;

inline StageOutcome done() { return std::nullopt; }
inline StageOutcome cannotCompute(std::string step, std::string reason, std::optional<FigureEntry> entry = {},
                                  std::string value = {}) {
  return CannotCompute{std::move(step), std::move(reason), entry, std::move(value)};
}

}  // namespace velmora
