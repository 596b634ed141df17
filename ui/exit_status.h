// Exit statuses shared by the programs: the first command that failed decides.
// An output that cannot be written (74) is checked after every flush and at
// exit, standard output included, and outranks every other status.
#pragma once

#include "ui/run_outcome.h"

namespace velmora {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitCannotCompute = 1;  ///< a run stopped at a step that cannot be computed
inline constexpr int kExitRecordFailed = 1;   ///< batch: at least one record gave an error record
inline constexpr int kExitRepliesRanOut = 2;  ///< the scripted replies ended during a run
inline constexpr int kExitPrintRefused = 3;   ///< print or check refused: no complete run
inline constexpr int kExitUsage = 64;         ///< bad arguments, or a batch file without a valid header
inline constexpr int kExitCannotRead = 66;    ///< an input file that cannot be read or is a directory
inline constexpr int kExitCannotWrite = 74;   ///< an output (a file or standard output) could not be written

/// The exit status of a Compute run that ended so.
constexpr int exitStatusOf(RunEnd end) {
  switch (end) {
    case RunEnd::Complete: return kExitCompleted;
    case RunEnd::CannotCompute: return kExitCannotCompute;
    case RunEnd::RepliesRanOut:
    case RunEnd::Cancelled: return kExitRepliesRanOut;
  }
  return kExitCannotCompute;
}

}  // namespace velmora
