// Exit statuses shared by the programs: the first command that failed decides.
#pragma once

#include "ui/run_outcome.h"

namespace velmora {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitCannotCompute = 1;  ///< a run stopped at a step that cannot be computed
inline constexpr int kExitRepliesRanOut = 2;  ///< the scripted replies ended during a run
inline constexpr int kExitPrintRefused = 3;   ///< print refused: no complete run, or the output failed
inline constexpr int kExitUsage = 64;         ///< bad arguments
inline constexpr int kExitNoInput = 66;       ///< an input file that cannot be read or is a folder
inline constexpr int kExitCannotWrite = 74;   ///< an output file that could not be written

/// The exit status of a Compute run that ended so.
constexpr int exitStatusOf(RunEnd end) {
  switch (end) {
    case RunEnd::Complete: return kExitCompleted;
    case RunEnd::CannotCompute: return kExitCannotCompute;
    case RunEnd::RepliesRanOut: return kExitRepliesRanOut;
  }
  return kExitCannotCompute;
}

}  // namespace velmora
