// The adjustment of one figure as its one list of stages: the typed entries
// are taken from a source when the run comes to them (the known points first,
// then each triangle's angles just before that triangle is computed), and each
// stage's values are handed to an observer the moment they are known. The
// refusals of impossible data stand at their place in the list. x north,
// y east, metres; angles d.mmss as typed, decimal degrees once converted.
#pragma once

#include <cstdint>

#include "engine/adjustment_results.h"
#include "engine/point_coordinates.h"
#include "engine/run_values.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Where a run's typed entries come from: a batch record, the operator's
/// dialogue, the data sheet. Each call fills the views it is asked for; the
/// texts must outlive the run. False when no value came: the run ends there.
class EntrySource {
 public:
  virtual ~EntrySource() = default;
  /// xa, ya, xb, yb, xc, yc: asked once, before anything is computed.
  virtual bool enterKnownPoints(FigureTexts& typed) = 0;
  /// The distance, advancing and central angle of triangle i (1..3).
  virtual bool enterTriangleAngles(int i, FigureTexts& typed) = 0;
};

/// The stages that store values, in the order they finish.
enum class Stage : std::uint8_t {
  TriangleAngles,            ///< triangle i's angles in decimal degrees
  TriangleMisclosure,        ///< w(i), run.triangleMisclosure[i]
  FirstGroupCorrection,      ///< triangle i's angles first-group corrected
  KnownSides,                ///< run.geometry: sides, azimuths, known angles
  SecondGroupMisclosures,    ///< secondGroupW(1..4)
  SecondGroupConditionRows,  ///< run.conditionMatrix rows 1..4
  ProvisionalDistances,      ///< run.provisional
  WeightFunctions,           ///< run.conditionMatrix rows 5, 6
  Normals,                   ///< run.normals and its working copy
  AzimuthWeightReciprocal,   ///< invPb (normal-matrix column 5)
  SideWeightReciprocal,      ///< invPs (column 6)
  Correlates,                ///< k(1..4)
  Corrections,               ///< run.v and the adjusted angles
  UnitWeightError,           ///< mb
  PositionError,             ///< md
  RelativeError,             ///< m
  SidesToP,                  ///< the adjusted sides and azimuths to P
  CoordinateOfP,             ///< coordinate n of P (0: xp1 .. 5: yp3)
};

/// One finished stage and everything known at that moment.
struct StageValues {
  Stage stage;
  int index;  ///< the triangle (1..3) or coordinate (0..5) of a repeated stage, else 0
  const AdjustmentResults& results;
  const RunValues& run;
  const SidesToP& sides;  ///< zero until Stage::SidesToP
};

/// Sees each stage's values as it finishes; the run's order is the pipeline's.
class StageObserver {
 public:
  virtual ~StageObserver() = default;
  virtual void stageDone(const StageValues& values) = 0;
};

/// How the pipeline ended: every stage done, the source gave no more
/// entries, or a stage could not compute (`fault`).
struct PipelineOutcome {
  bool entered = true;
  StageOutcome fault;
  bool complete() const { return entered && !fault; }
};

/// Runs every stage into `results` (start from fresh arrays: array members
/// are read as 0 where not yet written). Stops at the first stage that cannot
/// compute or the first entry that does not come; `results` then holds what
/// was stored before it, and the observer has seen every stage done so far.
PipelineOutcome runFigurePipeline(EntrySource& source, AdjustmentResults& results, StageObserver& observer);

}  // namespace velmora
