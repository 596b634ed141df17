#include "output/result_columns.h"

#include <deque>
#include <string>
#include <vector>

#include "grade/grade_checks.h"

namespace velmora {
namespace {

using F = const FigureResult&;
using C = const ResultColumn&;
using std::size_t;

const RigorousCheck& checkOf(F f) { return *f.review.check; }

/// A value that a single-precision member holds (w, mb) as that single, like
/// the result's own keys; any other value as a double.
ResultValue checkNumber(double value) {
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) == value) return single;
  return value;
}

std::vector<ResultColumn> adjustmentColumns() {
  constexpr auto A = ResultPart::Adjustment;
  return {
      {A, "", "w", "w", kTriangles, 0, [](F f, C, size_t n) -> ResultValue { return f.results.w[n]; }},
      {A, "", "secondGroupW", "secondGroupW", kConditions, 0,
       [](F f, C, size_t n) -> ResultValue { return f.results.secondGroupW[n]; }},
      {A, "", "k", "k", kConditions, 0, [](F f, C, size_t n) -> ResultValue { return f.results.k[n]; }},
      {A, "", "invPb", "invPb", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.invPb; }},
      {A, "", "invPs", "invPs", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.invPs; }},
      {A, "", "mb", "mb", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.mb; }},
      {A, "", "md", "md", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.md; }},
      {A, "", "m", "m", 0, 0, [](F f, C, size_t) { return f.results.m ? ResultValue(*f.results.m) : ResultValue(); }},
      {A, "", "xp1", "xp1", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.xp1; }},
      {A, "", "yp1", "yp1", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.yp1; }},
      {A, "", "xp2", "xp2", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.xp2; }},
      {A, "", "yp2", "yp2", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.yp2; }},
      {A, "", "xp3", "xp3", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.xp3; }},
      {A, "", "yp3", "yp3", 0, 0, [](F f, C, size_t) -> ResultValue { return f.results.yp3; }},
      {A, "", "distanceAngle", "distanceAngle", kTriangles, 0,
       [](F f, C, size_t n) -> ResultValue { return f.results.distanceAngle[n]; }},
      {A, "", "advanceAngle", "advanceAngle", kTriangles, 0,
       [](F f, C, size_t n) -> ResultValue { return f.results.advanceAngle[n]; }},
      {A, "", "centralAngle", "centralAngle", kTriangles, 0,
       [](F f, C, size_t n) -> ResultValue { return f.results.centralAngle[n]; }},
  };
}

std::vector<ResultColumn> checkColumns() {
  constexpr auto K = ResultPart::Check;
  constexpr size_t angles = kObservedAngles;
  return {
      {K, "check", "xp", "check_xp", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).p.x; }},
      {K, "check", "yp", "check_yp", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).p.y; }},
      {K, "check", "m0", "check_m0", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).m0; }},
      {K, "check", "mx", "check_mx", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).mx; }},
      {K, "check", "my", "check_my", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).my; }},
      {K, "check", "mp", "check_mp", 0, 0, [](F f, C, size_t) -> ResultValue { return checkOf(f).mp; }},
      {K, "check.ellipse", "a", "check_ellipse_a", 0, 0,
       [](F f, C, size_t) -> ResultValue { return checkOf(f).ellipse.a; }},
      {K, "check.ellipse", "b", "check_ellipse_b", 0, 0,
       [](F f, C, size_t) -> ResultValue { return checkOf(f).ellipse.b; }},
      {K, "check.ellipse", "azimuth", "check_ellipse_azimuth", 0, 0,
       [](F f, C, size_t) -> ResultValue { return checkOf(f).ellipse.azimuth; }},
      {K, "check", "residuals", "check_residual", angles, 0,
       [](F f, C, size_t n) -> ResultValue { return checkOf(f).residuals[n]; }},
      {K, "check", "redundancy", "check_redundancy", angles, 0,
       [](F f, C, size_t n) -> ResultValue { return checkOf(f).redundancy[n]; }},
      {K, "check", "standardized", "check_standardized", angles, 0,
       [](F f, C, size_t n) -> ResultValue { return checkOf(f).standardized[n]; }},
      {K, "check", "flagged", "check_flagged", 0, 0,
       [](F f, C, size_t) -> ResultValue { return FlaggedAngles{&checkOf(f).flagged}; }},
      {K, "check", "iterations", "check_iterations", 0, 0,
       [](F f, C, size_t) -> ResultValue { return static_cast<size_t>(checkOf(f).iterations); }},
  };
}

std::vector<ResultColumn> gradeColumns() {
  return {
      {ResultPart::Grade, "grade", "highest", "grade_highest", 0, 0,
       [](F f, C, size_t) {
         return f.review.highest ? ResultValue(ProgramText{f.review.highest->name}) : ResultValue();
       }},
      {ResultPart::GradeChecks, "grade", "name", "grade_name", 0, 0,
       [](F f, C, size_t) -> ResultValue { return ProgramText{f.review.assessment->grade->name}; }},
      {ResultPart::GradeChecks, "grade", "passes", "grade_passes", 0, 0,
       [](F f, C, size_t) -> ResultValue { return f.review.assessment->passes; }},
  };
}

/// Three columns for each grade check, in the order of its rows: value, limit, verdict.
void addGradeCheckColumns(std::vector<ResultColumn>& columns, std::deque<std::string>& names) {
  for (size_t row = 0; row < kGradeCheckCount; ++row) {
    const std::string_view key = kGradeCheckKeys[row];
    const std::string_view object = names.emplace_back("grade.checks." + std::string(key));
    const auto column = [&](std::string_view part, auto value) {
      const std::string_view csvName = names.emplace_back("grade_" + std::string(key) + "_" + std::string(part));
      columns.push_back({ResultPart::GradeChecks, object, part, csvName, 0, row, value});
    };
    column("value", [](F f, C c, size_t) { return checkNumber(f.review.assessment->checks[c.row].value); });
    column("limit", [](F f, C c, size_t) { return checkNumber(f.review.assessment->checks[c.row].limit); });
    column("verdict", [](F f, C c, size_t) -> ResultValue {
      return ProgramText{verdictText(f.review.assessment->checks[c.row].verdict)};
    });
  }
}

/// The table, with the texts its grade-check columns name.
struct ResultTable {
  std::deque<std::string> names;
  std::vector<ResultColumn> columns;

  ResultTable() {
    for (auto part : {adjustmentColumns(), checkColumns(), gradeColumns()}) {
      columns.insert(columns.end(), part.begin(), part.end());
    }
    addGradeCheckColumns(columns, names);
  }
};

}  // namespace

std::span<const ResultColumn> resultColumns() {
  static const ResultTable table;
  return table.columns;
}

bool includes(ResultParts parts, ResultPart part) {
  switch (part) {
    case ResultPart::Adjustment: return true;
    case ResultPart::Check: return parts.check;
    case ResultPart::Grade: return parts.grade;
    case ResultPart::GradeChecks: return parts.gradeChecks;
  }
  return false;
}

}  // namespace velmora
