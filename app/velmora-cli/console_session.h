// One console session: the commands run in order against one adjustment
// state that lives for the whole process, like the window's buttons. The exit
// status is that of the first command that failed.
#pragma once

#include <istream>
#include <ostream>

#include "cli_arguments.h"
#include "ui/exit_status.h"

namespace velmora {

int runConsoleSession(const CliArguments& cli, std::istream& replies, bool repliesFromTerminal, std::ostream& out,
                      std::ostream& err);

}  // namespace velmora
