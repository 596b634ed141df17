#include "engine/figure_pipeline.h"

#include "engine/known_side_geometry.h"
#include "engine/normal_equations.h"
#include "engine/precision.h"
#include "engine/triangle_conditions.h"

namespace velmora {
namespace {

/// One run of the list. Each step reads as "stage, then tell the observer";
/// the first fault or missing entry ends the list.
class FigurePipeline {
 public:
  FigurePipeline(EntrySource& source, AdjustmentResults& results, StageObserver& observer)
      : source_(source), results_(results), observer_(observer) {}

  PipelineOutcome run() {
    if (!source_.enterKnownPoints(typed_)) return {false, done()};
    for (int i = 1; i <= kTriangles; ++i) {
      if (!source_.enterTriangleAngles(i, typed_)) return {false, done()};
      if (StageOutcome o = triangle(i)) return {true, std::move(o)};
    }
    return {true, afterTriangles()};
  }

 private:
  StageOutcome triangle(int i) {
    if (StageOutcome o = convertTriangleAngles(typed_, results_, i)) return o;
    tell(Stage::TriangleAngles, i);
    if (StageOutcome o = triangleMisclosure(results_, run_, i)) return o;
    tell(Stage::TriangleMisclosure, i);
    if (StageOutcome o = requireNoGrossTriangleMisclosure(results_, i)) return o;
    if (StageOutcome o = firstGroupCorrection(results_, run_, i)) return o;
    tell(Stage::FirstGroupCorrection, i);
    return done();
  }

  StageOutcome afterTriangles() {
    if (StageOutcome o = secondGroup()) return o;
    if (StageOutcome o = weightReciprocals()) return o;
    if (StageOutcome o = correlateStep(results_, run_)) return o;
    tell(Stage::Correlates);
    if (StageOutcome o = correctionStep(results_, run_)) return o;
    tell(Stage::Corrections);
    if (StageOutcome o = precision()) return o;
    return coordinates();
  }

  StageOutcome secondGroup() {
    if (StageOutcome o = knownSideStep(typed_, run_.geometry)) return o;
    results_.knownPoints = {run_.geometry.a, run_.geometry.b, run_.geometry.c};
    tell(Stage::KnownSides);
    if (StageOutcome o = secondGroupMisclosures(results_, run_)) return o;
    tell(Stage::SecondGroupMisclosures);
    if (StageOutcome o = requireNoGrossSecondGroupMisclosure(results_)) return o;
    secondGroupConditionRows(run_);
    tell(Stage::SecondGroupConditionRows);
    return done();
  }

  StageOutcome weightReciprocals() {
    if (StageOutcome o = provisionalDistanceStep(results_, run_.geometry, run_.provisional)) return o;
    tell(Stage::ProvisionalDistances);
    weightFunctionStep(run_);
    tell(Stage::WeightFunctions);
    formNormals(run_);
    tell(Stage::Normals);
    if (StageOutcome o = weightReciprocal(run_, kAzimuthFunctionColumn, results_.invPb)) return o;
    tell(Stage::AzimuthWeightReciprocal);
    refreshWorkingCopy(run_);
    if (StageOutcome o = weightReciprocal(run_, kSideFunctionColumn, results_.invPs)) return o;
    tell(Stage::SideWeightReciprocal);
    return done();
  }

  StageOutcome precision() {
    if (StageOutcome o = unitWeightError(results_, run_)) return o;
    tell(Stage::UnitWeightError);
    if (StageOutcome o = positionError(results_, run_)) return o;
    tell(Stage::PositionError);
    if (StageOutcome o = relativeError(results_, run_)) return o;
    tell(Stage::RelativeError);
    return done();
  }

  StageOutcome coordinates() {
    if (StageOutcome o = sidesToP(results_, run_.geometry, sides_)) return o;
    tell(Stage::SidesToP);
    for (std::size_t n = 0; n < kCoordinatesOfP; ++n) {
      if (StageOutcome o = coordinateOfP(n, run_.geometry, sides_, results_)) return o;
      tell(Stage::CoordinateOfP, static_cast<int>(n));
    }
    return done();
  }

  void tell(Stage stage, int index = 0) { observer_.stageDone(StageValues{stage, index, results_, run_, sides_}); }

  EntrySource& source_;
  AdjustmentResults& results_;
  StageObserver& observer_;
  FigureTexts typed_;
  RunValues run_;
  SidesToP sides_;
};

}  // namespace

PipelineOutcome runFigurePipeline(EntrySource& source, AdjustmentResults& results, StageObserver& observer) {
  return FigurePipeline(source, results, observer).run();
}

}  // namespace velmora
