// The checks against a survey grade as a person reads them on the console, in
// the window's language: one row per check with its value, its limit and
// 合格 / 超限 / 注意, then the highest grade the run meets. Arc seconds,
// sixth-decimal log units and decimal degrees, each with its unit word.
#pragma once

#include <string>

#include "grade/grade_checks.h"

namespace velmora {

/// "满足的最高等级：四等", or "满足的最高等级：无" when `highest` is nullptr.
std::string highestGradeLine(const SurveyGrade* highest);

/// The table of `assessment` and the highest grade line, lines ending in a line break.
std::string gradeText(const GradeAssessment& assessment, const SurveyGrade* highest);

/// The value and limit of a check as its table shows them, without the unit.
std::string checkValueText(const GradeCheck& check);
std::string checkLimitText(const GradeCheck& check);

}  // namespace velmora
