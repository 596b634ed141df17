#include "batch/figure_adjustment.h"

#include "batch/fault_column.h"
#include "batch/record_replies.h"
#include "ui/compute_run.h"

namespace velmora {

std::optional<RecordError> adjustFigure(const FigureRecord& figure, AdjustmentState& state) {
  RecordReplies replies(figure);
  RunOutcome outcome = computeRun(state, replies);
  if (outcome.end == RunEnd::Complete) return std::nullopt;
  if (outcome.fault) return RecordError{faultColumn(*outcome.fault), std::move(outcome.message)};
  return RecordError{std::nullopt, std::move(outcome.message)};
}

}  // namespace velmora
