#include "ui/compute_run.h"

#include "engine/figure_pipeline.h"
#include "ui/entry_sources.h"
#include "ui/result_field_writer.h"
#include "ui/run_messages.h"

namespace velmora {
namespace {

RunOutcome entriesEnded(const DialogueEnd& end) {
  if (end.cancelled) return {RunEnd::Cancelled, runCancelledMessage()};
  return {RunEnd::RepliesRanOut, repliesRanOutMessage(end.unansweredPrompt)};
}

/// A fresh run on the state: arrays empty, scalars kept; complete only when
/// the pipeline reached its last stage.
RunOutcome runFrom(WindowEntrySource& source, AdjustmentState& state, WindowOperations& window) {
  state.recreateArrays();
  ResultFieldWriter fields(state, window);
  PipelineOutcome pipeline = runFigurePipeline(source, state, fields);
  if (!pipeline.entered) return entriesEnded(source.end());
  if (pipeline.fault) {
    std::string message = cannotComputeMessage(*pipeline.fault);
    return {RunEnd::CannotCompute, std::move(message), std::move(pipeline.fault)};
  }
  state.lastRunComplete = true;
  return {};
}

}  // namespace

RunOutcome computeRun(AdjustmentState& state, WindowOperations& window) {
  WindowEntrySource source = dialogueSource(state, window);
  return runFrom(source, state, window);
}

RunOutcome computeSheetRun(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet) {
  WindowEntrySource source = sheetSource(state, window, sheet);
  return runFrom(source, state, window);
}

}  // namespace velmora
