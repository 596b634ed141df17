// velmora-cli batch: opens the figure file (or standard input for "-"), runs
// the batch to standard output, tells on standard error what it noticed and
// its summary (results, error records, lines skipped), and says how it went in
// the exit status: 0 every record adjusted, 1 at least one error record, 64 no
// valid header, 66 a file that cannot be read, 74 output that cannot be written.
#pragma once

#include <ostream>

#include "cli_arguments.h"

namespace velmora {

/// `progressOnTerminal`: standard error is a terminal, so a long batch shows its progress there.
int runBatchCommand(const BatchArguments& batch, std::ostream& out, std::ostream& err, bool progressOnTerminal);

}  // namespace velmora
