#include "report/dms_packing.h"
#include "worksheet/stage_tables.h"
#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

Table correctionTable(const WorksheetInputs& inputs) {
  Table rows = table("改正数 v = Aᵀ k（秒）与平差后的角", {"角", "v（秒）", "平差值（d.mmss）", "平差值"});
  for (std::size_t n = 1; n <= 9; ++n) {
    const double adjusted = angleOf(inputs.state, n);
    rows.rows.push_back({angleNames()[n], secondsText(inputs.tables.v[n]), packedDmsText(adjusted), dmsText(adjusted)});
  }
  return rows;
}

Table conditionCheckTable(const WorksheetInputs& inputs) {
  Table rows = table("条件检核：各条件的 Σ a·v + w 应接近零", {"条件", "Σ a·v", "w", "Σ a·v + w"});
  const ConditionMatrix& a = inputs.tables.conditionMatrix;
  for (std::size_t j = 1; j <= 4; ++j) {
    double av = 0.0;
    for (std::size_t c = 1; c <= 9; ++c) av += a[j][c] * inputs.tables.v[c];
    const double w = inputs.state.secondGroupW[j];
    rows.rows.push_back({conditionRowNames()[j], coefficientText(av), coefficientText(w), coefficientText(av + w)});
  }
  return rows;
}

Table sumTable(const AdjustmentResults& results) {
  Table rows = table("平差后的角之和", {"图形", "角之和", "应为"});
  for (std::size_t t = 1; t <= 3; ++t) {
    const double sum = results.distanceAngle[t] + results.advanceAngle[t] + results.centralAngle[t];
    rows.rows.push_back({"三角形 " + std::to_string(t), dmsText(sum), "180°00′00.00″"});
  }
  const double circle = results.centralAngle[1] + results.centralAngle[2] + results.centralAngle[3];
  rows.rows.push_back({"圆周（C(1) + C(2) + C(3)）", dmsText(circle), "360°00′00.00″"});
  return rows;
}

}  // namespace

Section correctionSection(const WorksheetInputs& inputs) {
  const double vv = inputs.tables.secondGroupVv;
  const double wk = misclosuresTimesCorrelates(inputs.state);
  Paragraph check{"检核：第二组 [vv] = " + coefficientText(vv) + "，−[wk] = " + coefficientText(-wk) + "（秒²）"};
  return {"六、改正数与平差值", {correctionTable(inputs), check, conditionCheckTable(inputs), sumTable(inputs.state)}};
}

}  // namespace velmora::sheet
