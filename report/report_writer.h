// The Print command's report: the last complete run of the adjustment state as
// one 53-line document, written through the five printer operations only. The
// report reads the state and never changes it.
#pragma once

#include <optional>
#include <string>

#include "engine/adjustment_state.h"
#include "report/printer.h"

namespace velmora {

struct PrintOutcome {
  bool printed = false;
  std::string message;  ///< why nothing was printed; empty when printed
};

/// Why the report of `state` would be refused (no run has completed, or the
/// last one stopped before its end); none when it can be printed.
std::optional<std::string> reportRefusal(const AdjustmentState& state);

/// Prints one complete document of `state`, or, when no run has completed,
/// refuses without calling any printer operation and says why.
PrintOutcome printReport(const AdjustmentState& state, Printer& printer);

}  // namespace velmora
