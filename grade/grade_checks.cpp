#include "grade/grade_checks.h"

#include <cmath>
#include <utility>

#include "engine/constants.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 9> kSmallestAngleNames = {"最小角 A(1)", "最小角 B(1)", "最小角 C(1)",
                                                                 "最小角 A(2)", "最小角 B(2)", "最小角 C(2)",
                                                                 "最小角 A(3)", "最小角 B(3)", "最小角 C(3)"};
constexpr std::array<std::string_view, 3> kTriangleNames = {"三角形闭合差 w(1)", "三角形闭合差 w(2)",
                                                            "三角形闭合差 w(3)"};
constexpr std::string_view kSeconds = "秒";
constexpr std::string_view kLogUnits = "单位";
constexpr std::string_view kDegrees = "度";

/// A deciding check: passes when |value| <= limit.
GradeCheck upperLimitCheck(std::string_view name, std::string_view unit, double value, double limit) {
  GradeCheck check;
  check.name = name;
  check.unit = unit;
  check.value = value;
  check.limit = limit;
  check.verdict = std::fabs(value) <= limit ? Verdict::Pass : Verdict::Exceeds;
  return check;
}

/// Ferrero's m_beta = sqrt([ww] / (3n)) from the n = 3 triangle misclosures.
GradeCheck ferreroCheck(const GradeInputs& inputs, double m) {
  double ww = 0.0;
  for (const double w : inputs.triangleW) ww += w * w;
  const double mBeta = std::sqrt(ww / 9.0);
  GradeCheck check;
  check.name = "菲列罗公式 mβ";
  check.unit = kSeconds;
  check.value = mBeta;
  check.limit = m;
  check.decides = false;
  check.verdict = mBeta <= m ? Verdict::Pass : Verdict::Note;
  check.remark = "仅三个三角形，仅供参考";
  return check;
}

/// The smallest of the nine adjusted angles against the shape rule.
GradeCheck shapeCheck(const std::array<double, 9>& angles) {
  std::size_t smallest = 0;
  for (std::size_t i = 1; i < angles.size(); ++i) {
    if (angles[i] < angles[smallest]) smallest = i;
  }
  const double degrees = angles[smallest];
  GradeCheck check;
  check.name = kSmallestAngleNames[smallest];
  check.unit = kDegrees;
  check.value = degrees;
  check.limit = kShapeNoteDegrees;
  check.lowerLimit = true;
  check.decides = false;
  if (degrees < kShapeStrongNoteDegrees) {
    check.verdict = Verdict::Note;
    check.remark = "小于 25°，图形很弱";
  } else if (degrees < kShapeNoteDegrees) {
    check.verdict = Verdict::Note;
    check.remark = "小于 30°，图形偏弱";
  }
  return check;
}

}  // namespace

GradeInputs gradeInputs(const AdjustmentResults& results) {
  GradeInputs inputs;
  for (std::size_t t = 1; t <= 3; ++t) {
    inputs.triangleW[t - 1] = results.w[t];
    inputs.adjustedAngles[3 * (t - 1)] = results.distanceAngle[t];
    inputs.adjustedAngles[3 * (t - 1) + 1] = results.advanceAngle[t];
    inputs.adjustedAngles[3 * (t - 1) + 2] = results.centralAngle[t];
  }
  for (std::size_t j = 1; j <= 4; ++j) inputs.secondGroupW[j - 1] = results.secondGroupW[j];
  inputs.mb = results.mb;
  return inputs;
}

std::string_view verdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Pass: return "合格";
    case Verdict::Exceeds: return "超限";
    case Verdict::Note: return "注意";
  }
  return "";
}

double sideConditionSpread(const std::array<double, 9>& adjustedAngles) {
  double sum = 0.0;
  for (std::size_t t = 0; t < 3; ++t) {
    for (const std::size_t i : {3 * t, 3 * t + 1}) {
      const double delta = kLogSineFactor / std::tan(adjustedAngles[i] * kDegreeFactor);
      sum += delta * delta;
    }
  }
  return std::sqrt(sum);
}

GradeAssessment assessGrade(const GradeInputs& inputs, const SurveyGrade& grade) {
  const double m = grade.angleErrorSeconds;
  GradeAssessment result{.grade = &grade};
  std::size_t row = 0;
  for (std::size_t t = 0; t < 3; ++t) {
    result.checks[row++] =
        upperLimitCheck(kTriangleNames[t], kSeconds, inputs.triangleW[t], grade.triangleMisclosureSeconds);
  }
  result.checks[row++] = upperLimitCheck("测角中误差 mb", kSeconds, inputs.mb, m);
  result.checks[row++] = ferreroCheck(inputs, m);
  // Twice the standard deviation of each condition's misclosure when every
  // angle has the grade's error m: two angles, two angles, three angles, and
  // the six log-sine coefficients of the side condition.
  const std::array<double, 4> limits = {2.0 * std::sqrt(2.0) * m, 2.0 * std::sqrt(2.0) * m, 2.0 * std::sqrt(3.0) * m,
                                        2.0 * m * sideConditionSpread(inputs.adjustedAngles)};
  constexpr std::array<std::string_view, 4> names = {"固定角闭合差 w1", "固定角闭合差 w2", "圆周角闭合差 w3",
                                                     "极条件闭合差 w4"};
  for (std::size_t j = 0; j < 4; ++j) {
    result.checks[row++] = upperLimitCheck(names[j], j == 3 ? kLogUnits : kSeconds, inputs.secondGroupW[j], limits[j]);
  }
  result.checks[row++] = shapeCheck(inputs.adjustedAngles);
  result.passes = true;
  for (std::size_t i = 0; i < kGradeCheckCount; ++i) {
    result.checks[i].key = kGradeCheckKeys[i];
    if (result.checks[i].decides && result.checks[i].verdict == Verdict::Exceeds) result.passes = false;
  }
  return result;
}

const SurveyGrade* highestGradeMet(const GradeInputs& inputs) {
  for (const SurveyGrade& grade : kSurveyGrades) {
    if (assessGrade(inputs, grade).passes) return &grade;
  }
  return nullptr;
}

const SurveyGrade& gradeToShow(const SurveyGrade* requested, const SurveyGrade* highest) {
  if (requested) return *requested;
  return highest ? *highest : loosestSurveyGrade();
}

}  // namespace velmora
