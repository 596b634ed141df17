#include "ui/compute_run.h"

#include "engine/known_side_geometry.h"
#include "engine/normal_equations.h"
#include "engine/point_coordinates.h"
#include "engine/precision.h"
#include "engine/run_values.h"
#include "engine/triangle_conditions.h"
#include "ui/dialogue.h"
#include "ui/result_fields.h"
#include "ui/run_messages.h"

namespace velmora {
namespace {

/// One run: the dialogue collects the typed values, the engine's stages
/// compute in the method's order, and each value goes to its field the moment
/// it is known. The first stage that does not finish decides the outcome;
/// nothing after it runs and no later field is written.
class ComputeRun {
 public:
  ComputeRun(AdjustmentState& state, WindowOperations& window) : state_(state), window_(window) {}

  RunOutcome execute() {
    state_.recreateArrays();
    if (!enter(enterScalars(window_, state_))) return outcome_;
    for (int i = 1; i <= kTriangles; ++i) {
      if (!enter(enterTriangleAngles(window_, state_, i)) || !triangle(i)) return outcome_;
    }
    if (secondGroup() && weightReciprocals() && corrections() && precision() && coordinates()) {
      state_.lastRunComplete = true;
    }
    return outcome_;
  }

 private:
  bool triangle(int i) {
    if (!compute(convertTriangleAngles(state_.typedFigure(), state_, i))) return false;
    if (!compute(triangleMisclosure(state_, run_, i))) return false;
    showTriangleMisclosure(window_, i, run_.triangleMisclosure[static_cast<std::size_t>(i)]);
    return compute(requireNoGrossTriangleMisclosure(state_, i)) && compute(firstGroupCorrection(state_, run_, i));
  }

  bool secondGroup() {
    if (!compute(knownSideStep(state_.typedFigure(), run_.geometry))) return false;
    if (!compute(secondGroupMisclosures(state_, run_))) return false;
    showSecondGroupMisclosures(window_, state_.secondGroupW);
    if (!compute(requireNoGrossSecondGroupMisclosure(state_))) return false;
    secondGroupConditionRows(run_);
    return true;
  }

  bool weightReciprocals() {
    if (!compute(provisionalDistanceStep(state_, run_.geometry, run_.provisional))) return false;
    weightFunctionStep(run_);
    formNormals(run_);
    state_.functionColumn = kAzimuthFunctionColumn;
    if (!compute(weightReciprocal(run_, state_.functionColumn, state_.invPb))) return false;
    showWeightReciprocal(window_, state_.functionColumn, state_.invPb);
    refreshWorkingCopy(run_);
    state_.functionColumn = kSideFunctionColumn;
    if (!compute(weightReciprocal(run_, state_.functionColumn, state_.invPs))) return false;
    showWeightReciprocal(window_, state_.functionColumn, state_.invPs);
    return true;
  }

  bool corrections() { return compute(correlateStep(state_, run_)) && compute(correctionStep(state_, run_)); }

  bool precision() {
    if (!compute(unitWeightError(state_, run_))) return false;
    showUnitWeightError(window_, state_.mb);
    if (!compute(positionError(state_, run_))) return false;
    showPositionError(window_, state_.md);
    if (!compute(relativeError(state_, run_))) return false;
    showRelativeError(window_, state_.m);
    return true;
  }

  bool coordinates() {
    SidesToP sides;
    if (!compute(sidesToP(state_, run_.geometry, sides))) return false;
    showPointNameWithResults(window_, state_.pointName);
    const double* const members[kCoordinatesOfP] = {&state_.xp1, &state_.yp1, &state_.xp2,
                                                    &state_.yp2, &state_.xp3, &state_.yp3};
    for (std::size_t n = 0; n < kCoordinatesOfP; ++n) {
      if (!compute(coordinateOfP(n, run_.geometry, sides, state_))) return false;
      showCoordinateOfP(window_, n, *members[n]);
    }
    return true;
  }

  bool enter(const DialogueEnd& end) {
    if (end.entered) return true;
    outcome_ = end.cancelled ? RunOutcome{RunEnd::Cancelled, runCancelledMessage()}
                             : RunOutcome{RunEnd::RepliesRanOut, repliesRanOutMessage(end.unansweredPrompt)};
    return false;
  }

  bool compute(StageOutcome stage) {
    if (!stage) return true;
    outcome_ = {RunEnd::CannotCompute, cannotComputeMessage(*stage), std::move(*stage)};
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
