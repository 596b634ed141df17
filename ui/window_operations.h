// The three window operations the dialogue and the compute flow use: ask the
// operator (a modal prompt), set a field's text, set a label's caption. A
// window, a console or a test recorder implements them.
#pragma once

#include <optional>
#include <string>

#include "engine/result_display.h"

namespace velmora {

class WindowOperations : public ResultDisplay {
 public:
  /// Shows `prompt` with an empty reply line and returns what the operator
  /// typed (empty for a bare Enter or a cancel). Returns no reply only when a
  /// scripted reply source has run out; a window always returns a reply.
  virtual std::optional<std::string> askOperator(const std::string& prompt) = 0;
};

}  // namespace velmora
