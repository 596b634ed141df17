#include "figure_check.h"

#include <gtest/gtest.h>

#include "check/check_observations.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {

CheckedFigure checkedFigure(std::mt19937_64& random, const figures::FigureOptions& options) {
  CheckedFigure checked{figures::randomFigure(random, options, "P"), {}, {}};
  RecordingWindow window(figures::confirmedReplies(checked.figure));
  const RunOutcome run = computeRun(checked.state, window);
  EXPECT_EQ(run.end, RunEnd::Complete) << run.message;
  checked.outcome = rigorousAdjustment(checkObservations(checked.state));
  EXPECT_TRUE(checked.outcome.check.has_value()) << checked.outcome.failure;
  return checked;
}

}  // namespace velmora
