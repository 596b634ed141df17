#include "batch_command.h"

#include <fstream>
#include <iostream>

#include "batch/batch_run.h"
#include "batch/terminal_progress.h"
#include "console_session.h"

namespace velmora {

int runBatchCommand(const BatchArguments& batch, std::ostream& out, std::ostream& err, bool progressOnTerminal) {
  std::ifstream file;
  if (batch.file != "-") {
    file.open(batch.file, std::ios::binary);
    if (!file) {
      err << "velmora-cli: cannot read the batch file " << batch.file << '\n';
      return kExitUsage;
    }
  }
  std::istream& input = batch.file == "-" ? std::cin : file;
  TerminalProgress progress(err);
  const BatchSummary summary =
      runBatch(input, out, {batch.format, batch.check, batch.grade}, progressOnTerminal ? &progress : nullptr);
  if (!summary.inputProblem.empty()) {
    err << "velmora-cli: " << batch.file << ": " << summary.inputProblem << '\n';
    return kExitUsage;
  }
  if (summary.outputFailed) {
    err << "velmora-cli: cannot write the batch output\n";
    return kExitRecordFailed;
  }
  if (summary.failed > 0) {
    err << "velmora-cli: " << summary.failed << " of " << summary.figures << " records gave no result\n";
    return kExitRecordFailed;
  }
  return kExitCompleted;
}

}  // namespace velmora
