#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

std::string typedAngle(const AdjustmentState& state, std::size_t n) {
  const std::size_t t = (n - 1) / 3 + 1;
  const TriangleArray<std::string>* kinds[3] = {&state.distanceAngleDms, &state.advanceAngleDms,
                                                &state.centralAngleDms};
  return (*kinds[(n - 1) % 3])[t];
}

double observedAngle(const StageTables& tables, std::size_t n) {
  const std::size_t t = (n - 1) / 3 + 1;
  const AdjustmentResults& r = tables.results;
  const TriangleArray<double>* kinds[3] = {&r.observedDistanceAngle, &r.observedAdvanceAngle, &r.observedCentralAngle};
  return (*kinds[(n - 1) % 3])[t];
}

double correctedAngle(const StageTables& tables, std::size_t n) {
  const std::size_t t = (n - 1) / 3 + 1;
  const TriangleArray<double>* kinds[3] = {&tables.correctedDistance, &tables.correctedAdvance,
                                           &tables.correctedCentral};
  return (*kinds[(n - 1) % 3])[t];
}

}  // namespace

Section firstGroupSection(const WorksheetInputs& inputs) {
  const StageTables& tables = inputs.tables;
  Table angles = table("各三角形的观测角、闭合差 w(i) = A(i) + B(i) + C(i) − 180° 与改正数 −w(i)/3",
                       {"三角形", "角", "观测值（d.mmss）", "观测值", "w(i)（秒）", "改正数（秒）", "改正后角值"}, 2);
  for (std::size_t n = 1; n <= 9; ++n) {
    const std::size_t t = (n - 1) / 3 + 1;
    const bool first = (n - 1) % 3 == 0;
    angles.rows.push_back({first ? std::to_string(t) : "", angleNames()[n], typedAngle(inputs.state, n),
                           dmsText(observedAngle(tables, n)), first ? secondsText(inputs.state.w[t]) : "",
                           secondsText(-tables.triangleMisclosure[t] / 3.0), dmsText(correctedAngle(tables, n))});
  }
  Paragraph vv{"第一组 [vv] = Σ w(i)² / 3 = " + coefficientText(tables.firstGroupVv) + "（秒²）"};
  return {"三、第一组条件（三角形内角和）", {angles, vv}};
}

}  // namespace velmora::sheet
