// The compute run's observer: each stage's values go to their result fields
// (result_fields.h) the moment the pipeline finishes that stage, and the
// state records the weight-function column being evaluated.
#pragma once

#include "engine/adjustment_state.h"
#include "engine/figure_pipeline.h"
#include "ui/window_operations.h"

namespace velmora {

class ResultFieldWriter final : public StageObserver {
 public:
  ResultFieldWriter(AdjustmentState& state, WindowOperations& window) : state_(state), window_(window) {}
  void stageDone(const StageValues& values) override;

 private:
  void showCoordinate(int n, const AdjustmentResults& results);

  AdjustmentState& state_;
  WindowOperations& window_;
};

}  // namespace velmora
