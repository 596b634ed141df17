// A session of compute, print and check commands against one adjustment state,
// run the way the console runs it, with every invariant checked on the way:
// each run completes or stops with a message; no field, report or check text
// carries an undefined number; a complete run writes all its result fields;
// after a run that stopped, print and check refuse; a complete run had only
// plausible angles, triangle misclosures and known points.
#pragma once

#include <string>
#include <vector>

#include "cli_arguments.h"

namespace velmora::fuzz {

struct SessionRecord {
  int exitStatus = 0;      ///< as the console's: that of the first command that failed
  std::string traceLines;  ///< the fields and labels set, as the console's trace lines
};

SessionRecord runCheckedSession(const std::vector<CliCommand>& commands, std::vector<std::string> replies);

}  // namespace velmora::fuzz
