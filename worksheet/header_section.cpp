#include "grade/grade_checks.h"
#include "worksheet/worksheet_numbers.h"
#include "worksheet/worksheet_sections.h"

namespace velmora::sheet {
namespace {

std::string figureSource(const WorksheetContext& context) {
  if (context.figureFile.empty()) return "逐项输入";
  return context.figureFile + "，第 " + std::to_string(context.recordLine) + " 行";
}

std::string gradeVerdict(const RunReview& review) {
  if (!review.assessment) return "—";
  const GradeAssessment& assessment = *review.assessment;
  return std::string(assessment.grade->name) + "：" + (assessment.passes ? "合格" : "超限");
}

}  // namespace

Section headerSection(const WorksheetInputs& inputs) {
  Table rows = table("", {"项目", "内容"}, 2);
  rows.rows = {{"待定点", inputs.state.pointName},
               {"图形来源", figureSource(inputs.context)},
               {"计算时间", inputs.context.computedAt},
               {"程序版本", "Velmora " + inputs.context.programVersion},
               {"检核等级与结论", gradeVerdict(inputs.review)},
               {"满足的最高等级", inputs.review.highest ? std::string(inputs.review.highest->name) : "无"}};
  return {"一、概况", {rows}};
}

Section knownSideSection(const WorksheetInputs& inputs) {
  const AdjustmentState& s = inputs.state;
  const KnownSideGeometry& g = inputs.tables.geometry;
  const ProvisionalDistances& d = inputs.tables.provisional;
  Table points = table("已知点坐标（米，x 向北，y 向东，如输入）", {"点", "x", "y"});
  points.rows = {{"A", s.xa, s.ya}, {"B", s.xb, s.yb}, {"C", s.xc, s.yc}};
  Table sides = table("已知边长与坐标方位角", {"边", "边长（米）", "方位角"});
  sides.rows = {{"AB", metresText(g.sideAB), dmsText(g.azimuthAB)},
                {"BC", metresText(g.sideBC), dmsText(g.azimuthBC)},
                {"CA", metresText(g.sideCA), dmsText(g.azimuthCA)}};
  Table angles = table("固定角（由已知边方位角求得）", {"角", "角值"});
  angles.rows = {{"∠A（A→B 顺时针至 A→C）", dmsText(g.knownAngleA)},
                 {"∠B（B→C 顺时针至 B→A）", dmsText(g.knownAngleB)}};
  Table distances = table("待定点至已知点的近似边长（米）", {"边", "近似边长"});
  distances.rows = {
      {"PA", metresText(d.distancePA)}, {"PB", metresText(d.distancePB)}, {"PC", metresText(d.distancePC)}};
  const std::array<const char*, 4> longest{"", "PA", "PB", "PC"};
  const auto t = static_cast<std::size_t>(d.chosenTriangle);
  Paragraph chosen{std::string("最长边：") + (t >= 1 && t <= 3 ? longest[t] : "—") + " = " + metresText(d.longestSide) +
                   " 米，在三角形 " + std::to_string(d.chosenTriangle) + " 中；权函数取自该三角形。"};
  return {"二、已知点与已知边", {points, sides, angles, distances, chosen}};
}

}  // namespace velmora::sheet
