#include "engine/figure_adjustment.h"

#include "engine/known_side_geometry.h"
#include "engine/normal_equations.h"
#include "engine/point_coordinates.h"
#include "engine/precision.h"
#include "engine/run_values.h"
#include "engine/triangle_conditions.h"

namespace velmora {
namespace {

StageOutcome triangle(const FigureTexts& typed, AdjustmentResults& results, RunValues& run, int i) {
  if (StageOutcome o = convertTriangleAngles(typed, results, i)) return o;
  if (StageOutcome o = triangleMisclosure(results, run, i)) return o;
  if (StageOutcome o = requireNoGrossTriangleMisclosure(results, i)) return o;
  return firstGroupCorrection(results, run, i);
}

StageOutcome secondGroup(const FigureTexts& typed, AdjustmentResults& results, RunValues& run) {
  if (StageOutcome o = knownSideStep(typed, run.geometry)) return o;
  if (StageOutcome o = secondGroupMisclosures(results, run)) return o;
  if (StageOutcome o = requireNoGrossSecondGroupMisclosure(results)) return o;
  secondGroupConditionRows(run);
  return done();
}

StageOutcome weightReciprocals(AdjustmentResults& results, RunValues& run) {
  if (StageOutcome o = provisionalDistanceStep(results, run.geometry, run.provisional)) return o;
  weightFunctionStep(run);
  formNormals(run);
  if (StageOutcome o = weightReciprocal(run, kAzimuthFunctionColumn, results.invPb)) return o;
  refreshWorkingCopy(run);
  return weightReciprocal(run, kSideFunctionColumn, results.invPs);
}

StageOutcome precisionAndCoordinates(AdjustmentResults& results, const RunValues& run) {
  if (StageOutcome o = unitWeightError(results, run)) return o;
  if (StageOutcome o = positionError(results, run)) return o;
  if (StageOutcome o = relativeError(results, run)) return o;
  SidesToP sides;
  if (StageOutcome o = sidesToP(results, run.geometry, sides)) return o;
  for (std::size_t n = 0; n < kCoordinatesOfP; ++n) {
    if (StageOutcome o = coordinateOfP(n, run.geometry, sides, results)) return o;
  }
  return done();
}

}  // namespace

StageOutcome adjustFigure(const FigureTexts& typed, AdjustmentResults& results) {
  RunValues run;
  for (int i = 1; i <= kTriangles; ++i) {
    if (StageOutcome o = triangle(typed, results, run, i)) return o;
  }
  if (StageOutcome o = secondGroup(typed, results, run)) return o;
  if (StageOutcome o = weightReciprocals(results, run)) return o;
  if (StageOutcome o = correlateStep(results, run)) return o;
  if (StageOutcome o = correctionStep(results, run)) return o;
  return precisionAndCoordinates(results, run);
}

}  // namespace velmora
