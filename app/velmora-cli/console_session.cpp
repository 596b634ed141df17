#include "console_session.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/adjustment_state.h"
#include "line_reply_source.h"
#include "person_console.h"
#include "report/report_writer.h"
#include "report/text_sink.h"
#include "trace_window.h"
#include "ui/compute_run.h"

namespace velmora {
namespace {

int exitStatusOf(const RunOutcome& outcome) {
  switch (outcome.end) {
    case RunEnd::Complete: return kExitCompleted;
    case RunEnd::CannotCompute: return kExitCannotCompute;
    case RunEnd::RepliesRanOut: return kExitRepliesRanOut;
  }
  return kExitCannotCompute;
}

class ConsoleSession {
 public:
  ConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                 std::ostream& err)
      : cli_(cli), replies_(replies), out_(out), err_(err), trace_(replies_, out), person_(replies_, out, !repliesFromTerminal) {}

  int run() {
    int status = kExitCompleted;
    for (const CliCommand command : cli_.commands) {
      const int commandStatus = command == CliCommand::Compute ? compute() : print();
      if (status == kExitCompleted) status = commandStatus;
    }
    return status;
  }

 private:
  int compute() {
    const RunOutcome outcome = computeRun(state_, window());
    if (outcome.end != RunEnd::Complete) {
      if (cli_.trace) {
        trace_.writeStop(outcome.message);
      } else {
        out_ << outcome.message << '\n';
      }
    } else if (!cli_.trace) {
      out_ << "计算完成。\n";
    }
    return exitStatusOf(outcome);
  }

  int print() {
    std::ostringstream document;
    TextSink sink(document);
    const PrintOutcome outcome = printReport(state_, sink);
    if (!outcome.printed) {
      err_ << "velmora-cli: " << outcome.message << '\n';
      return kExitPrintRefused;
    }
    return writeReport(document.str());
  }

  /// Appends one whole report to the --report file, or writes it to standard output.
  int writeReport(const std::string& document) {
    if (!cli_.reportFile) {
      out_ << document << std::flush;
      return kExitCompleted;
    }
    std::ofstream file(*cli_.reportFile, std::ios::binary | std::ios::app);
    if (!(file << document << std::flush)) {
      err_ << "velmora-cli: cannot write the report to " << *cli_.reportFile << '\n';
      return kExitPrintRefused;
    }
    return kExitCompleted;
  }

  WindowOperations& window() { return cli_.trace ? static_cast<WindowOperations&>(trace_) : person_; }

  const CliArguments& cli_;
  LineReplySource replies_;
  std::ostream& out_;
  std::ostream& err_;
  TraceWindow trace_;
  PersonConsole person_;
  AdjustmentState state_;
};

}  // namespace

int runConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                      std::ostream& err) {
  return ConsoleSession(cli, replies, repliesFromTerminal, out, err).run();
}

}  // namespace velmora
