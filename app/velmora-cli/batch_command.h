// velmora-cli batch: opens the figure file (or standard input for "-"), runs
// the batch to standard output and says how it went in the exit status: 0 every
// record adjusted, 1 at least one error record, 64 no usable file or header.
#pragma once

#include <ostream>

#include "cli_arguments.h"

namespace velmora {

inline constexpr int kExitRecordFailed = 1;

/// `progressOnTerminal`: standard error is a terminal, so a long batch shows its progress there.
int runBatchCommand(const BatchArguments& batch, std::ostream& out, std::ostream& err, bool progressOnTerminal);

}  // namespace velmora
