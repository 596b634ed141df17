#include "ui/compute_run.h"

#include "engine/known_side_geometry.h"
#include "engine/normal_equations.h"
#include "engine/point_coordinates.h"
#include "engine/precision.h"
#include "engine/run_values.h"
#include "engine/triangle_conditions.h"
#include "ui/dialogue.h"
#include "ui/run_messages.h"

namespace velmora {
namespace {

/// One run: its steps in the fixed order, each a named stage. The first stage
/// that does not finish decides the outcome; nothing after it runs.
class ComputeRun {
 public:
  ComputeRun(AdjustmentState& state, WindowOperations& window) : state_(state), window_(window) {}

  RunOutcome execute() {
    startUp();
    if (!enter(enterScalars(window_, state_))) return outcome_;
    for (int i = 1; i <= kTriangles; ++i) {
      if (!enter(enterTriangleAngles(window_, state_, i))) return outcome_;
      if (!compute(convertTriangleAngles(state_, i))) return outcome_;
      if (!compute(triangleStep(state_, run_, window_, i))) return outcome_;
    }
    if (!compute(knownSideStep(state_, run_.geometry))) return outcome_;
    if (!compute(secondGroupStep(state_, run_, window_))) return outcome_;
    if (!compute(provisionalDistanceStep(state_, run_.geometry, run_.provisional))) return outcome_;
    weightFunctionStep(run_);
    formNormals(run_);
    if (!compute(weightReciprocalStep(state_, run_, window_))) return outcome_;
    if (!compute(correlateStep(state_, run_))) return outcome_;
    if (!compute(correctionStep(state_, run_))) return outcome_;
    if (!compute(precisionStep(state_, run_, window_))) return outcome_;
    if (!compute(coordinateStep(state_, run_, window_))) return outcome_;
    state_.lastRunComplete = true;
    return outcome_;
  }

 private:
  /// The arrays of the state empty again; the run's scratch values start at zero.
  void startUp() { state_.recreateArrays(); }

  bool enter(const DialogueEnd& end) {
    if (end.entered) return true;
    outcome_ = {RunEnd::RepliesRanOut, repliesRanOutMessage(end.unansweredPrompt)};
    return false;
  }

  bool compute(const StageOutcome& stage) {
    if (!stage) return true;
    outcome_ = {RunEnd::CannotCompute, cannotComputeMessage(*stage), *stage};
    return false;
  }

  AdjustmentState& state_;
  WindowOperations& window_;
  RunValues run_;
  RunOutcome outcome_;
};

}  // namespace

RunOutcome computeRun(AdjustmentState& state, WindowOperations& window) { return ComputeRun(state, window).execute(); }

}  // namespace velmora
