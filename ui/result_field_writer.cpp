#include "ui/result_field_writer.h"

#include "engine/normal_equations.h"
#include "ui/result_fields.h"

namespace velmora {

void ResultFieldWriter::stageDone(const StageValues& values) {
  const AdjustmentResults& r = values.results;
  switch (values.stage) {
    case Stage::TriangleMisclosure:
      showTriangleMisclosure(window_, values.index,
                             values.run.triangleMisclosure[static_cast<std::size_t>(values.index)]);
      break;
    case Stage::SecondGroupMisclosures: showSecondGroupMisclosures(window_, r.secondGroupW); break;
    case Stage::Normals: state_.functionColumn = kAzimuthFunctionColumn; break;
    case Stage::AzimuthWeightReciprocal:
      showWeightReciprocal(window_, kAzimuthFunctionColumn, r.invPb);
      state_.functionColumn = kSideFunctionColumn;
      break;
    case Stage::SideWeightReciprocal: showWeightReciprocal(window_, kSideFunctionColumn, r.invPs); break;
    case Stage::UnitWeightError: showUnitWeightError(window_, r.mb); break;
    case Stage::PositionError: showPositionError(window_, r.md); break;
    case Stage::RelativeError: showRelativeError(window_, r.m); break;
    case Stage::SidesToP: showPointNameWithResults(window_, state_.pointName); break;
    case Stage::CoordinateOfP: showCoordinate(values.index, r); break;
    case Stage::TriangleAngles:
    case Stage::FirstGroupCorrection:
    case Stage::KnownSides:
    case Stage::SecondGroupConditionRows:
    case Stage::ProvisionalDistances:
    case Stage::WeightFunctions:
    case Stage::Correlates:
    case Stage::Corrections: break;  // no field shows these
  }
}

void ResultFieldWriter::showCoordinate(int n, const AdjustmentResults& results) {
  const double* const members[kCoordinatesOfP] = {&results.xp1, &results.yp1, &results.xp2,
                                                  &results.yp2, &results.xp3, &results.yp3};
  const auto coordinate = static_cast<std::size_t>(n);
  showCoordinateOfP(window_, coordinate, *members[coordinate]);
}

}  // namespace velmora
