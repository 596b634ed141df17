#include "worksheet/stage_tables.h"

#include <cstddef>

namespace velmora {
namespace {

constexpr std::size_t kConstantColumn = 5;

void keepConstantColumn(const NormalMatrix& work, ConditionArray<double>& column) {
  for (std::size_t i = 1; i <= kConditions; ++i) column[i] = work[i][kConstantColumn];
}

}  // namespace

void StageTableRecorder::stageDone(const StageValues& values) {
  const RunValues& run = values.run;
  if (values.stage == Stage::TriangleAngles && values.index == 1) tables_ = StageTables{};
  tables_.results = values.results;
  switch (values.stage) {
    case Stage::TriangleAngles:
    case Stage::TriangleMisclosure:
    case Stage::FirstGroupCorrection: keepTriangle(values); break;
    case Stage::KnownSides: tables_.geometry = run.geometry; break;
    case Stage::ProvisionalDistances: tables_.provisional = run.provisional; break;
    case Stage::WeightFunctions: tables_.conditionMatrix = run.conditionMatrix; break;
    case Stage::Normals: tables_.normalsAsFormed = run.normals; break;
    case Stage::AzimuthWeightReciprocal:
    case Stage::SideWeightReciprocal:
    case Stage::Correlates: keepReduction(values); break;
    case Stage::Corrections:
      tables_.v = run.v;
      tables_.secondGroupVv = run.secondGroupVv;
      break;
    case Stage::CoordinateOfP: tables_.complete = values.index + 1 == static_cast<int>(kCoordinatesOfP); break;
    default: break;
  }
}

void StageTableRecorder::keepTriangle(const StageValues& values) {
  const auto t = static_cast<std::size_t>(values.index);
  const AdjustmentResults& r = values.results;
  if (values.stage == Stage::TriangleMisclosure) {
    tables_.triangleMisclosure[t] = values.run.triangleMisclosure[t];
    tables_.firstGroupVv = values.run.firstGroupVv;
  } else if (values.stage == Stage::FirstGroupCorrection) {
    tables_.correctedDistance[t] = r.distanceAngle[t];
    tables_.correctedAdvance[t] = r.advanceAngle[t];
    tables_.correctedCentral[t] = r.centralAngle[t];
  }
}

void StageTableRecorder::keepReduction(const StageValues& values) {
  ReducedNormals& reduced = tables_.reduced;
  if (values.stage == Stage::AzimuthWeightReciprocal) {
    keepConstantColumn(values.run.normalsWork, reduced.azimuthFunction);
  } else if (values.stage == Stage::SideWeightReciprocal) {
    keepConstantColumn(values.run.normalsWork, reduced.sideFunction);
  } else {
    reduced.correlates = values.run.normals;
  }
}

double misclosuresTimesCorrelates(const AdjustmentResults& results) {
  double sum = 0.0;
  for (std::size_t j = 1; j <= kConditions; ++j)
    sum = sum + static_cast<double>(results.secondGroupW[j]) * results.k[j];
  return sum;
}

}  // namespace velmora
