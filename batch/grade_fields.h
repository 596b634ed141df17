// The survey-grade part of a batch result: the highest grade met and, for the
// grade asked for with --grade, each check's value, limit and verdict in the
// order of the grade checks. Values in the checks' units (arc seconds, sixth-
// decimal log units, degrees); verdicts 合格, 超限 or 注意.
//   JSON  "grade":{"highest":"三等"|null[,"name":"四等","passes":true,
//                  "checks":{"w1":{"value":1.6,"limit":9,"verdict":"合格"},...}]}
//   CSV   grade_highest[,grade_name,grade_passes,grade_w1_value,grade_w1_limit,grade_w1_verdict,...]
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/adjustment_results.h"
#include "grade/grade_checks.h"

namespace velmora {

/// A figure's grade fields: `checks` only when a grade was asked for.
struct FigureGrade {
  const SurveyGrade* highest = nullptr;
  std::optional<GradeAssessment> checks;
};

/// ,"grade":{...}
void appendGradeJson(std::string& out, const FigureGrade& grade);

/// The column names, each after a comma; `withChecks` when a grade was asked for.
void appendGradeCsvHeader(std::string& out, bool withChecks);
/// The values, each after a comma, matching the header.
void appendGradeCsv(std::string& out, const FigureGrade& grade);
std::size_t gradeCsvColumnCount(bool withChecks);

}  // namespace velmora
