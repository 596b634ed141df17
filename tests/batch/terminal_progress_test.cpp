#include "batch/terminal_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

TEST(TerminalProgress, ShortBatchShowsNothing) {
  std::ostringstream terminal;
  TerminalProgress progress(terminal);
  for (std::size_t figures = kProgressStride; figures < TerminalProgress::kQuietFigures; figures += kProgressStride) {
    progress.figuresDone(figures);
  }
  progress.finished(TerminalProgress::kQuietFigures - 1);
  EXPECT_EQ(terminal.str(), "");
}

TEST(TerminalProgress, LongBatchRewritesOneLineAndEndsIt) {
  std::ostringstream terminal;
  TerminalProgress progress(terminal);
  progress.figuresDone(8192);
  progress.finished(9000);
  EXPECT_EQ(terminal.str(), "\rvelmora-cli batch: 已处理 8192 个图形\rvelmora-cli batch: 已处理 9000 个图形\n");
}

}  // namespace
}  // namespace velmora
