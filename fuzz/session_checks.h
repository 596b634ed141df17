// A session of compute, print and check commands run by the console's own
// session code (traced), with every invariant checked after each command:
// each run completes or stops with a message; no field, report or check text
// carries an undefined number; a complete run writes all its result fields;
// after a run that stopped, print and check refuse; a complete run had only
// plausible angles, triangle misclosures and known points; the session ends
// with the status of its first command that failed.
#pragma once

#include <string_view>
#include <vector>

#include "cli_arguments.h"

namespace velmora::fuzz {

/// The session's exit status, after every invariant held.
int runCheckedSession(const std::vector<CliCommand>& commands, std::string_view replyText);

}  // namespace velmora::fuzz
