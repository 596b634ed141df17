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

/// The fields first, then the other observer, if any.
class FieldsAndObserver final : public StageObserver {
 public:
  FieldsAndObserver(ResultFieldWriter& fields, StageObserver* also) : fields_(fields), also_(also) {}
  void stageDone(const StageValues& values) override {
    fields_.stageDone(values);
    if (also_) also_->stageDone(values);
  }

 private:
  ResultFieldWriter& fields_;
  StageObserver* also_;
};

/// A fresh run on the state: arrays empty, scalars kept; complete only when
/// the pipeline reached its last stage.
RunOutcome runFrom(WindowEntrySource& source, AdjustmentState& state, WindowOperations& window,
                   StageObserver* alsoTold) {
  state.recreateArrays();
  ResultFieldWriter fields(state, window);
  FieldsAndObserver observers(fields, alsoTold);
  PipelineOutcome pipeline = runFigurePipeline(source, state, observers);
  if (!pipeline.entered) return entriesEnded(source.end());
  if (pipeline.fault) {
    std::string message = cannotComputeMessage(*pipeline.fault);
    return {RunEnd::CannotCompute, std::move(message), std::move(pipeline.fault)};
  }
  state.lastRunComplete = true;
  return {};
}

}  // namespace

RunOutcome computeRun(AdjustmentState& state, WindowOperations& window, StageObserver* alsoTold) {
  WindowEntrySource source = dialogueSource(state, window);
  return runFrom(source, state, window, alsoTold);
}

RunOutcome computeSheetRun(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet,
                           StageObserver* alsoTold) {
  WindowEntrySource source = sheetSource(state, window, sheet);
  return runFrom(source, state, window, alsoTold);
}

}  // namespace velmora
