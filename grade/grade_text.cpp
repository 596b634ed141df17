#include "grade/grade_text.h"

#include "engine/number_text.h"

namespace velmora {
namespace {

/// Columns a text takes on a terminal: two for each CJK character, one otherwise.
std::size_t displayWidth(const std::string& text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    width += length >= 3 ? 2 : 1;
    i += length;
  }
  return width;
}

std::string paddedRight(std::string text, std::size_t width) {
  const std::size_t used = displayWidth(text);
  if (used < width) text.append(width - used, ' ');
  return text;
}

std::string headingLine(const SurveyGrade& grade) {
  return "等级检核（" + std::string(grade.name) + "：测角中误差 " + plainText(grade.angleErrorSeconds) +
         " 秒，三角形最大闭合差 " + plainText(grade.triangleMisclosureSeconds) + " 秒）\n";
}

std::string checkRow(const GradeCheck& check) {
  const std::string unit = " " + std::string(check.unit);
  std::string row = paddedRight(std::string(check.name), 20) + paddedRight(checkValueText(check) + unit, 14) +
                    paddedRight(std::string(check.lowerLimit ? "≥ " : "≤ ") + checkLimitText(check) + unit, 16) +
                    std::string(verdictText(check.verdict));
  if (!check.remark.empty()) row += "（" + std::string(check.remark) + "）";
  return row + "\n";
}

}  // namespace

std::string checkValueText(const GradeCheck& check) { return fixedText(check.value, 2); }

std::string checkLimitText(const GradeCheck& check) { return fixedText(check.limit, 2); }

std::string highestGradeLine(const SurveyGrade* highest) {
  return "满足的最高等级：" + std::string(highest ? highest->name : "无") + "\n";
}

std::string gradeText(const GradeAssessment& assessment, const SurveyGrade* highest) {
  std::string text = headingLine(*assessment.grade);
  text += paddedRight("检核项", 20) + paddedRight("数值", 14) + paddedRight("限差", 16) + "结论\n";
  for (const GradeCheck& check : assessment.checks) text += checkRow(check);
  return text + highestGradeLine(highest);
}

}  // namespace velmora
