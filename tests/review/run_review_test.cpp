// The review of a complete run as every program asks for it: each part there
// exactly when asked, the grade's checks against the grade that is shown, and
// the refusals (no complete run, a check that cannot be computed) in the
// operator's words, the grade parts kept whatever becomes of the check.
#include "review/run_review.h"

#include <gtest/gtest.h>

#include <string>

#include "example_figures.h"

namespace velmora {
namespace {

struct AskedCase {
  const char* name;
  const char* figure;
  ReviewAsked asked;
  const char* gradeAsked;  ///< nullptr: none
  bool check;              ///< a rigorous check is there
  const char* highest;     ///< the highest grade met; nullptr: not there (or none met)
  const char* checkedFor;  ///< the grade the checks are against; nullptr: no checks
};

void PrintTo(const AskedCase& c, std::ostream* os) { *os << c.name; }

class ReviewParts : public ::testing::TestWithParam<AskedCase> {};

TEST_P(ReviewParts, AreThereExactlyWhenAsked) {
  const AskedCase& c = GetParam();
  const ExampleRun run = exampleRun(c.figure);
  ReviewAsked asked = c.asked;
  asked.grade = c.gradeAsked ? findSurveyGrade(c.gradeAsked) : nullptr;
  const RunReview review = reviewRun(run.state, asked);
  EXPECT_EQ(review.end, ReviewEnd::Reviewed);
  EXPECT_TRUE(review.refusal.empty()) << review.refusal;
  ASSERT_EQ(review.check.has_value(), c.check);
  if (c.check) {
    // The observations are the run's typed texts: the same check as from the state's own observations.
    EXPECT_EQ(review.check->p.x, run.check.p.x);
    EXPECT_EQ(review.check->p.y, run.check.p.y);
    EXPECT_EQ(review.check->residuals, run.check.residuals);
  }
  ASSERT_EQ(review.highest != nullptr, c.highest != nullptr);
  if (c.highest) {
    EXPECT_EQ(review.highest->name, c.highest);
  }
  ASSERT_EQ(review.assessment.has_value(), c.checkedFor != nullptr);
  if (c.checkedFor) {
    EXPECT_EQ(review.assessment->grade->name, c.checkedFor);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Asked, ReviewParts,
    ::testing::Values(
        AskedCase{"Nothing", "P7", {}, nullptr, false, nullptr, nullptr},
        AskedCase{"CheckAlone", "P7", {.rigorous = true}, nullptr, true, nullptr, nullptr},
        AskedCase{"HighestGradeAlone", "P7", {.highestGrade = true}, nullptr, false, "三等", nullptr},
        AskedCase{"ChecksAgainstTheGradeAsked", "P7", {.gradeChecks = true}, "一级", false, "三等", "一级"},
        AskedCase{"ChecksAgainstTheHighestMet", "Q1", {.gradeChecks = true}, nullptr, false, "二等", "二等"},
        AskedCase{"ChecksAgainstTheLoosestWhenNoneIsMet", "Q5", {.gradeChecks = true}, nullptr, false, nullptr, "图根"},
        AskedCase{"Everything",
                  "Q3",
                  {.rigorous = true, .highestGrade = true, .gradeChecks = true},
                  "四等",
                  true,
                  "三等",
                  "四等"}),
    [](const ::testing::TestParamInfo<AskedCase>& row) { return std::string(row.param.name); });

constexpr ReviewAsked kEverything{.rigorous = true, .highestGrade = true, .gradeChecks = true};

TEST(RunReview, WithoutACompleteRunRefusesAndComputesNothing) {
  AdjustmentState stopped = exampleRun("P7").state;
  stopped.lastRunComplete = false;
  for (const AdjustmentState& state : {AdjustmentState(), stopped}) {
    const RunReview review = reviewRun(state, kEverything);
    EXPECT_EQ(review.end, ReviewEnd::NoCompleteRun);
    EXPECT_EQ(review.refusal, "没有可检核的计算结果：请先完成一次计算。");
    EXPECT_FALSE(review.check.has_value());
    EXPECT_EQ(review.highest, nullptr);
    EXPECT_FALSE(review.assessment.has_value());
  }
}

// A run whose classical P lies on A starts the iteration where the normal matrix is singular.
TEST(RunReview, CheckThatCannotBeComputedSaysWhyAndKeepsTheGrade) {
  AdjustmentState state = exampleRun("P7").state;
  for (double* x : {&state.xp1, &state.xp2, &state.xp3}) *x = std::stod(state.xa);
  for (double* y : {&state.yp1, &state.yp2, &state.yp3}) *y = std::stod(state.ya);
  const RunReview review = reviewRun(state, kEverything);
  EXPECT_EQ(review.end, ReviewEnd::CannotCheck);
  EXPECT_EQ(review.refusal, "严密平差检核不能计算：法方程式奇异：图形不能确定待定点");
  EXPECT_FALSE(review.check.has_value());
  ASSERT_NE(review.highest, nullptr);
  EXPECT_EQ(review.highest->name, "三等");
  EXPECT_TRUE(review.assessment.has_value());
}

}  // namespace
}  // namespace velmora
