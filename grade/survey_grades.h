// The survey grades a figure is judged against: each grade's angle
// mean-square error m and its largest triangle misclosure, in arc seconds,
// strictest grade first. The table is the limit (never a formula such as
// 2·sqrt(3)·m): a later standard is one edit of kSurveyGrades.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

struct SurveyGrade {
  std::string_view name;             ///< 二等, 三等, ...
  double angleErrorSeconds;          ///< m, the grade's angle mean-square error
  double triangleMisclosureSeconds;  ///< largest |w| a triangle may show
};

/// Triangulation network grades of the engineering survey standard, and 图根
/// from the city survey standard; strictest first, both columns growing.
inline constexpr std::array<SurveyGrade, 6> kSurveyGrades{{
    {"二等", 1.0, 3.5},
    {"三等", 1.8, 7.0},
    {"四等", 2.5, 9.0},
    {"一级", 5.0, 15.0},
    {"二级", 10.0, 30.0},
    {"图根", 20.0, 60.0},
}};

/// The grade of that exact name, or nullptr.
const SurveyGrade* findSurveyGrade(std::string_view name);

/// The loosest grade, the one judged when no grade is met.
const SurveyGrade& loosestSurveyGrade();

/// Every grade's name, strictest first, joined by `separator`.
std::string surveyGradeNames(std::string_view separator);

}  // namespace velmora
