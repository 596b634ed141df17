// The intermediate tables of one compute run, kept by an observer of the
// pipeline the moment each stage hands them over: the values a hand
// computation writes down, from the observed angles to the coordinates of P.
// Units as the engine stores them: decimal degrees, arc seconds (w4 and the
// side function in sixth-decimal log units), metres; indexed by number.
#pragma once

#include "engine/figure_pipeline.h"

namespace velmora {

/// The normal equations' rows 1..4 after the reduction, and the two weight
/// functions' columns reduced with them.
struct ReducedNormals {
  NormalMatrix correlates{};                 ///< rows 1..4, columns i..4, and the misclosures in column 5
  ConditionArray<double> azimuthFunction{};  ///< column 5 of the azimuth function's reduction, rows 1..4
  ConditionArray<double> sideFunction{};     ///< column 5 of the side function's reduction, rows 1..4
};

struct StageTables {
  /// Triangle i's angles first-group corrected (as converted from the typed
  /// d.mmss: results.observed…Angle).
  TriangleArray<double> correctedDistance{}, correctedAdvance{}, correctedCentral{};
  TriangleArray<double> triangleMisclosure{};  ///< wd before single storage, arc seconds
  double firstGroupVv = 0.0;
  KnownSideGeometry geometry;
  ProvisionalDistances provisional;
  ConditionMatrix conditionMatrix{};  ///< rows 1..4 the conditions, 5, 6 the weight functions
  NormalMatrix normalsAsFormed{};     ///< before any reduction
  ReducedNormals reduced;
  AngleArray<double> v{};  ///< second-group corrections, arc seconds, angle 1..9
  double secondGroupVv = 0.0;
  AdjustmentResults results;  ///< everything stored, as the last stage left it
  bool complete = false;      ///< the pipeline reached its last stage
};

/// Keeps what each stage carries in its StageTables; a run's tables replace the last run's.
class StageTableRecorder final : public StageObserver {
 public:
  void stageDone(const StageValues& values) override;
  const StageTables& tables() const { return tables_; }

 private:
  void keepTriangle(const StageValues& values);
  void keepReduction(const StageValues& values);

  StageTables tables_;
};

/// [wk]: the stored second-group misclosures times the correlates, summed for j = 1 to 4.
double misclosuresTimesCorrelates(const AdjustmentResults& results);

}  // namespace velmora
