#include "grade/survey_grades.h"

namespace velmora {

const SurveyGrade* findSurveyGrade(std::string_view name) {
  for (const SurveyGrade& grade : kSurveyGrades) {
    if (grade.name == name) return &grade;
  }
  return nullptr;
}

const SurveyGrade& loosestSurveyGrade() { return kSurveyGrades.back(); }

std::string surveyGradeNames(std::string_view separator) {
  std::string names;
  for (const SurveyGrade& grade : kSurveyGrades) {
    if (!names.empty()) names += separator;
    names += grade.name;
  }
  return names;
}

}  // namespace velmora
