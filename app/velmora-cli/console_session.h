// One console session: the commands run in order against one adjustment
// state that lives for the whole process, like the window's buttons. The exit
// status is that of the first command that failed.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cli_arguments.h"
#include "engine/adjustment_state.h"
#include "report/report_writer.h"
#include "review/run_review.h"
#include "ui/exit_status.h"
#include "ui/run_outcome.h"

namespace velmora {

/// Told how each command of a session ended, with the state it left; the
/// session fuzz target checks its invariants here, on the console's own run.
class SessionWatcher {
 public:
  virtual ~SessionWatcher() = default;
  virtual void computed(const RunOutcome& outcome, const AdjustmentState& state) = 0;
  /// `document`: the report printed, empty when refused.
  virtual void printed(const PrintOutcome& outcome, const std::string& document, const AdjustmentState& state) = 0;
  virtual void checked(const RunReview& review, const AdjustmentState& state) = 0;
};

int runConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                      std::ostream& err, SessionWatcher* watcher = nullptr);

}  // namespace velmora
