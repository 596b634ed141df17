// Progress of a long batch on a terminal: one line, rewritten in place at most
// a few times a second, from the first few thousand figures on; a short batch
// shows nothing. Only for a stream that is a terminal.
#pragma once

#include <chrono>
#include <ostream>

#include "batch/batch_run.h"

namespace velmora {

class TerminalProgress : public BatchProgress {
 public:
  static constexpr std::size_t kQuietFigures = 5000;

  explicit TerminalProgress(std::ostream& terminal) : terminal_(terminal) {}
  void figuresDone(std::size_t figures) override;
  void finished(std::size_t figures) override;

 private:
  void show(std::size_t figures);

  std::ostream& terminal_;
  std::chrono::steady_clock::time_point lastShown_{};
  bool shown_ = false;
};

}  // namespace velmora
