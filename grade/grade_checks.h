// The checks of one complete run against a survey grade: the triangle
// misclosures, the unit-weight angle error mb, Ferrero's estimate (a note
// only), the four second-group misclosures against twice their standard
// deviation, and the smallest adjusted angle (a note only). Misclosures and
// errors in arc seconds, the side condition's in sixth-decimal log units,
// angles in decimal degrees.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/adjustment_results.h"
#include "grade/survey_grades.h"

namespace velmora {

/// What a complete run gives the checks.
struct GradeInputs {
  std::array<double, 3> triangleW{};     ///< w(1..3), arc seconds
  std::array<double, 4> secondGroupW{};  ///< w1..w3 arc seconds, w4 sixth-decimal log units
  double mb = 0.0;                       ///< unit-weight angle error, arc seconds
  /// Adjusted angles, decimal degrees: distance, advance, central angle of triangle 1, 2, 3.
  std::array<double, 9> adjustedAngles{};
};

/// The inputs from the results of a complete adjustment.
GradeInputs gradeInputs(const AdjustmentResults& results);

enum class Verdict { Pass, Exceeds, Note };

/// 合格, 超限, 注意.
std::string_view verdictText(Verdict verdict);

/// One row of the checks. An upper limit bounds the value's magnitude
/// (|value| <= limit passes); a lower limit is a least value (value >= limit).
struct GradeCheck {
  std::string_view key;   ///< stable machine name: w1, mb, secondGroupW4, ...
  std::string_view name;  ///< the operator's name of the checked value, a fixed text
  std::string_view unit;  ///< 秒, 单位 or 度
  double value = 0.0;
  double limit = 0.0;
  bool lowerLimit = false;
  bool decides = true;  ///< false: a note, never a failure
  Verdict verdict = Verdict::Pass;
  std::string_view remark;  ///< why a note is a note; empty otherwise
};

inline constexpr std::size_t kGradeCheckCount = 10;

/// The checks' stable machine names, in the order of an assessment's rows.
inline constexpr std::array<std::string_view, kGradeCheckCount> kGradeCheckKeys = {
    "w1",           "w2", "w3", "mb", "mBeta", "secondGroupW1", "secondGroupW2", "secondGroupW3", "secondGroupW4",
    "smallestAngle"};

struct GradeAssessment {
  const SurveyGrade* grade = nullptr;
  std::array<GradeCheck, kGradeCheckCount> checks{};
  bool passes = false;  ///< no deciding check exceeds its limit
};

/// Smallest adjusted angle that only draws a note, and the one below which
/// the note is stronger (degrees).
inline constexpr double kShapeNoteDegrees = 30.0;
inline constexpr double kShapeStrongNoteDegrees = 25.0;

/// The side condition's standard deviation per arc second of angle error:
/// sqrt of the sum of the squared log-sine coefficients 2.1055 / tan(angle)
/// of the six distance and advance angles, each in sixth-decimal log units
/// per arc second. Times m (arc seconds) it is in w4's own units.
double sideConditionSpread(const std::array<double, 9>& adjustedAngles);

/// Every check of `inputs` against `grade`, in the order of the rows above.
GradeAssessment assessGrade(const GradeInputs& inputs, const SurveyGrade& grade);

/// The strictest grade that `inputs` pass, or nullptr when none is met.
const SurveyGrade* highestGradeMet(const GradeInputs& inputs);

/// The grade whose checks are shown: the one asked for, else the highest
/// met, else the loosest grade.
const SurveyGrade& gradeToShow(const SurveyGrade* requested, const SurveyGrade* highest);

}  // namespace velmora
