#include "batch/terminal_progress.h"

namespace velmora {
namespace {

constexpr std::chrono::milliseconds kInterval{250};

}  // namespace

void TerminalProgress::figuresDone(std::size_t figures) {
  if (figures < kQuietFigures) return;
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && now - lastShown_ < kInterval) return;
  lastShown_ = now;
  show(figures);
}

void TerminalProgress::finished(std::size_t figures) {
  if (!shown_) return;
  show(figures);
  terminal_ << '\n' << std::flush;
}

void TerminalProgress::show(std::size_t figures) {
  terminal_ << "\rvelmora-cli batch: 已处理 " << figures << " 个图形" << std::flush;
  shown_ = true;
}

}  // namespace velmora
