#include "engine/figure_adjustment.h"

#include "engine/figure_pipeline.h"

namespace velmora {
namespace {

/// Every entry is at hand from the start.
class TypedFigure final : public EntrySource {
 public:
  explicit TypedFigure(const FigureTexts& typed) : typed_(typed) {}
  bool enterKnownPoints(FigureTexts& typed) override {
    typed.xa = typed_.xa, typed.ya = typed_.ya, typed.xb = typed_.xb;
    typed.yb = typed_.yb, typed.xc = typed_.xc, typed.yc = typed_.yc;
    return true;
  }
  bool enterTriangleAngles(int i, FigureTexts& typed) override {
    const auto t = static_cast<std::size_t>(i);
    typed.distanceAngle[t] = typed_.distanceAngle[t];
    typed.advanceAngle[t] = typed_.advanceAngle[t];
    typed.centralAngle[t] = typed_.centralAngle[t];
    return true;
  }

 private:
  const FigureTexts& typed_;
};

class NoObserver final : public StageObserver {
 public:
  void stageDone(const StageValues& /*values*/) override {}
};

}  // namespace

StageOutcome adjustFigure(const FigureTexts& typed, AdjustmentResults& results) {
  NoObserver nobody;
  return adjustFigure(typed, results, nobody);
}

StageOutcome adjustFigure(const FigureTexts& typed, AdjustmentResults& results, StageObserver& observer) {
  TypedFigure source(typed);
  return runFigurePipeline(source, results, observer).fault;
}

}  // namespace velmora
