// The grades the example figures meet, and the checks that the blunder figure
// Q5 (Q3 with one central angle a minute off) fails: the regression guard for
// the verdicts the README shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "example_figures.h"
#include "grade/grade_checks.h"

namespace velmora {
namespace {

std::vector<std::string> failedKeys(const GradeAssessment& assessment) {
  std::vector<std::string> keys;
  for (const GradeCheck& check : assessment.checks) {
    if (check.verdict == Verdict::Exceeds) keys.emplace_back(check.key);
  }
  return keys;
}

struct ExampleCase {
  const char* name;
  const char* highest;  ///< nullptr: no grade met
};

void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }

class ExampleVerdict : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleVerdict, HighestGradeMet) {
  const GradeInputs inputs = gradeInputs(exampleRun(GetParam().name).state);
  const SurveyGrade* met = highestGradeMet(inputs);
  if (GetParam().highest == nullptr) {
    EXPECT_EQ(met, nullptr) << met->name;
    return;
  }
  ASSERT_NE(met, nullptr);
  EXPECT_EQ(met->name, GetParam().highest);
  // One grade stricter fails.
  if (met != &kSurveyGrades.front()) {
    EXPECT_FALSE(assessGrade(inputs, *(met - 1)).passes);
  }
}

INSTANTIATE_TEST_SUITE_P(Figures, ExampleVerdict,
                         ::testing::Values(ExampleCase{"P7", "三等"}, ExampleCase{"Q1", "二等"},
                                           ExampleCase{"Q2", "三等"}, ExampleCase{"Q3", "三等"},
                                           ExampleCase{"Q4", "三等"}, ExampleCase{"Q5", nullptr}),
                         [](const ::testing::TestParamInfo<ExampleCase>& row) { return std::string(row.param.name); });

TEST(ExampleVerdict, BlunderFigureFailsFourthOrderOnItsTriangleMbAndTheConditionsThroughC2) {
  const GradeInputs inputs = gradeInputs(exampleRun("Q5").state);
  EXPECT_EQ(failedKeys(assessGrade(inputs, *findSurveyGrade("四等"))),
            (std::vector<std::string>{"w2", "mb", "secondGroupW2", "secondGroupW3"}));
  // Even the loosest grade refuses a 60.6" triangle.
  EXPECT_EQ(failedKeys(assessGrade(inputs, loosestSurveyGrade())), (std::vector<std::string>{"w2"}));
}

TEST(ExampleVerdict, SampleFigureMissesSecondOrderOnMbAndTheFixedAngleAtB) {
  const GradeInputs inputs = gradeInputs(exampleRun("P7").state);
  EXPECT_EQ(failedKeys(assessGrade(inputs, *findSurveyGrade("二等"))),
            (std::vector<std::string>{"mb", "secondGroupW2"}));
}

}  // namespace
}  // namespace velmora
