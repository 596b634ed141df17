#include "check/classical_comparison.h"
#include "engine/number_text.h"
#include "grade/grade_text.h"
#include "plot/plot_scene.h"
#include "plot/svg_plot.h"
#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

Table gradeTable(const GradeAssessment& assessment) {
  Table rows =
      table("等级检核（" + std::string(assessment.grade->name) + "）", {"检核项", "数值", "限差", "结论", "说明"});
  rows.noteColumns = 2;
  for (const GradeCheck& check : assessment.checks) {
    const std::string unit = " " + std::string(check.unit);
    rows.rows.push_back({std::string(check.name), checkValueText(check) + unit,
                         std::string(check.lowerLimit ? "≥ " : "≤ ") + checkLimitText(check) + unit,
                         std::string(verdictText(check.verdict)), std::string(check.remark)});
  }
  return rows;
}

std::string flaggedAngles(const RigorousCheck& check) {
  std::string flagged;
  for (std::size_t n = 1; n <= check.flagged.size(); ++n) {
    if (check.flagged[n]) flagged += (flagged.empty() ? "" : "、") + angleNames()[n];
  }
  return flagged.empty() ? "无" : flagged;
}

Table rigorousTable(const AdjustmentState& state, const RigorousCheck& check) {
  const ClassicalComparison c = compareWithClassical(state, check);
  Table rows = table("严密平差检核（间接平差，九个观测角等权，A、B、C 固定）", {"项目", "值"});
  rows.rows = {{"单位权中误差 m0（秒）", fixedText(check.m0, 2)},
               {"严密平差的 P：x, y（米）", metresText(check.p.x) + ", " + metresText(check.p.y)},
               {"由 A 推算的 P 减严密 P：dx, dy（毫米）", fixedText(c.dx[0], 3) + ", " + fixedText(c.dy[0], 3)},
               {"由 B 推算的 P 减严密 P：dx, dy（毫米）", fixedText(c.dx[1], 3) + ", " + fixedText(c.dy[1], 3)},
               {"由 C 推算的 P 减严密 P：dx, dy（毫米）", fixedText(c.dx[2], 3) + ", " + fixedText(c.dy[2], 3)},
               {"误差椭圆 a, b（毫米）", fixedText(check.ellipse.a, 2) + ", " + fixedText(check.ellipse.b, 2)},
               {"误差椭圆长轴方位角", dmsText(check.ellipse.azimuth)},
               {"粗差标记的角（|标准化残差| > 3.29）", flaggedAngles(check)}};
  return rows;
}

}  // namespace

Section checkSection(const WorksheetInputs& inputs) {
  const RunReview& review = inputs.review;
  Section section{"八、检核", {}};
  if (review.assessment) section.blocks.emplace_back(gradeTable(*review.assessment));
  std::string highest = highestGradeLine(review.highest);
  if (highest.ends_with('\n')) highest.pop_back();
  section.blocks.emplace_back(Paragraph{std::move(highest)});
  if (!review.check) {
    section.blocks.emplace_back(Paragraph{"严密平差检核不能计算：" + review.refusal});
    return section;
  }
  section.blocks.emplace_back(Picture{plotSvg(buildPlotScene(inputs.state, *review.check)),
                                      "（平差图形与误差椭圆见 HTML 或 PDF 形式的计算表，文本形式从略。）"});
  section.blocks.emplace_back(rigorousTable(inputs.state, *review.check));
  return section;
}

}  // namespace velmora::sheet
