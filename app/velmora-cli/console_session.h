// One console session: the commands run in order against one adjustment
// state that lives for the whole process, like the window's buttons. The exit
// status is that of the first command that failed.
#pragma once

#include <istream>
#include <ostream>

#include "cli_arguments.h"

namespace velmora {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitCannotCompute = 1;
inline constexpr int kExitRepliesRanOut = 2;
inline constexpr int kExitPrintRefused = 3;
inline constexpr int kExitUsage = 64;

int runConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                      std::ostream& err);

}  // namespace velmora
