#include "engine/number_text.h"
#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {

Section resultSection(const WorksheetInputs& inputs) {
  const AdjustmentState& s = inputs.state;
  const StageTables& tables = inputs.tables;
  Table coordinates = table("待定点 " + s.pointName + " 的坐标（米），由三个已知点分别推算", {"推算自", "x", "y"});
  coordinates.rows = {{"A", metresText(s.xp1), metresText(s.yp1)},
                      {"B", metresText(s.xp2), metresText(s.yp2)},
                      {"C", metresText(s.xp3), metresText(s.yp3)}};
  Table precision = table("精度评定", {"量", "公式", "值"}, 2);
  precision.rows = {
      {"mb（秒）", "√((第一组 [vv] + 第二组 [vv]) / 7)，7 为条件数", fixedText(s.mb, 2)},
      {"1/pb", "最长边方位角的权倒数", coefficientText(s.invPb)},
      {"1/ps", "最长边边长对数的权倒数", coefficientText(s.invPs)},
      {"md（毫米）",
       "S·mb·√(5.3/ps + 23.5/pb) / 1000，S 为最长边 " + metresText(tables.provisional.longestSide) + " 米",
       fixedText(s.md, 2)},
      {"1/m", "1 / 取整(1000·S / md)", "1/" + relativeErrorDenominatorText(s.m)}};
  return {"七、平差结果与精度", {coordinates, precision}};
}

}  // namespace velmora::sheet
