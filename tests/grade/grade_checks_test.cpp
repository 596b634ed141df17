#include "grade/grade_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "grade/grade_text.h"

namespace velmora {
namespace {

template <typename Case>
std::string rowLabel(const ::testing::TestParamInfo<Case>& row) {
  return row.param.label;
}

/// A run with every misclosure zero and comfortable angles.
GradeInputs cleanInputs() {
  return {.triangleW = {0.0, 0.0, 0.0},
          .secondGroupW = {0.0, 0.0, 0.0, 0.0},
          .mb = 0.0,
          .adjustedAngles = {45.0, 45.0, 90.0, 40.0, 40.0, 100.0, 50.0, 40.0, 170.0}};
}

GradeCheck checkOf(const GradeAssessment& assessment, std::string_view key) {
  for (const GradeCheck& check : assessment.checks) {
    if (check.key == key) return check;
  }
  ADD_FAILURE() << "no check " << key;
  return assessment.checks.front();
}

const SurveyGrade& grade(std::string_view name) {
  const SurveyGrade* found = findSurveyGrade(name);
  EXPECT_NE(found, nullptr) << name;
  return found ? *found : kSurveyGrades.front();
}

TEST(SurveyGrades, FirstOrderTriangleLimitIsTheTablesFifteenNotTwiceRootThreeM) {
  const SurveyGrade& first = grade("一级");
  EXPECT_EQ(first.triangleMisclosureSeconds, 15.0);
  GradeInputs inputs = cleanInputs();
  inputs.triangleW[2] = 16.0;  // within 2·sqrt(3)·5 = 17.3, beyond the table's 15
  const GradeAssessment assessment = assessGrade(inputs, first);
  EXPECT_EQ(checkOf(assessment, "w2").limit, 15.0);
  EXPECT_EQ(checkOf(assessment, "w2").verdict, Verdict::Exceeds);
  EXPECT_FALSE(assessment.passes);
}

TEST(SurveyGrades, NamesAreFoundExactlyAndListedStrictestFirst) {
  EXPECT_EQ(surveyGradeNames("、"), "二等、三等、四等、一级、二级、图根");
  EXPECT_EQ(findSurveyGrade("四"), nullptr);
  EXPECT_EQ(findSurveyGrade("四等 "), nullptr);
  EXPECT_EQ(&loosestSurveyGrade(), findSurveyGrade("图根"));
  // Strictest first with both limits growing: passing a grade passes every looser one.
  for (std::size_t g = 1; g < kSurveyGrades.size(); ++g) {
    EXPECT_GT(kSurveyGrades[g].angleErrorSeconds, kSurveyGrades[g - 1].angleErrorSeconds);
    EXPECT_GT(kSurveyGrades[g].triangleMisclosureSeconds, kSurveyGrades[g - 1].triangleMisclosureSeconds);
  }
}

// A deciding value at its limit passes, just beyond it exceeds; negative
// misclosures count by their magnitude.
struct BoundaryCase {
  const char* label;
  std::string_view key;
  void (*set)(GradeInputs&, double);
};

void PrintTo(const BoundaryCase& c, std::ostream* os) { *os << c.label; }

void setW1(GradeInputs& in, double v) { in.triangleW[1] = v; }
void setW3Negative(GradeInputs& in, double v) { in.triangleW[3] = -v; }
void setMb(GradeInputs& in, double v) { in.mb = v; }
void setFixedA(GradeInputs& in, double v) { in.secondGroupW[1] = -v; }
void setFixedB(GradeInputs& in, double v) { in.secondGroupW[2] = v; }
void setCircle(GradeInputs& in, double v) { in.secondGroupW[3] = v; }
void setSide(GradeInputs& in, double v) { in.secondGroupW[4] = -v; }

class DecidingBoundary : public ::testing::TestWithParam<BoundaryCase> {};

TEST_P(DecidingBoundary, AtTheLimitPassesBeyondItExceedsInEveryGrade) {
  const BoundaryCase& c = GetParam();
  for (const SurveyGrade& g : kSurveyGrades) {
    const double limit = checkOf(assessGrade(cleanInputs(), g), c.key).limit;
    GradeInputs at = cleanInputs();
    c.set(at, limit);
    const GradeAssessment atLimit = assessGrade(at, g);
    EXPECT_EQ(checkOf(atLimit, c.key).verdict, Verdict::Pass) << g.name;
    EXPECT_TRUE(atLimit.passes) << g.name;
    GradeInputs beyond = cleanInputs();
    c.set(beyond, limit * (1.0 + 1e-9));
    const GradeAssessment beyondLimit = assessGrade(beyond, g);
    EXPECT_EQ(checkOf(beyondLimit, c.key).verdict, Verdict::Exceeds) << g.name;
    EXPECT_FALSE(beyondLimit.passes) << g.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Checks, DecidingBoundary,
                         ::testing::Values(BoundaryCase{"TriangleW1", "w1", setW1},
                                           BoundaryCase{"TriangleW3Negative", "w3", setW3Negative},
                                           BoundaryCase{"Mb", "mb", setMb},
                                           BoundaryCase{"FixedAngleA", "secondGroupW1", setFixedA},
                                           BoundaryCase{"FixedAngleB", "secondGroupW2", setFixedB},
                                           BoundaryCase{"Circle", "secondGroupW3", setCircle},
                                           BoundaryCase{"SideCondition", "secondGroupW4", setSide}),
                         rowLabel<BoundaryCase>);

TEST(GradeChecks, SecondGroupLimitsAreTwiceTheMisclosuresStandardDeviation) {
  const GradeAssessment fourth = assessGrade(cleanInputs(), grade("四等"));
  EXPECT_NEAR(checkOf(fourth, "secondGroupW1").limit, 7.0711, 1e-4);  // 2·sqrt(2)·2.5
  EXPECT_NEAR(checkOf(fourth, "secondGroupW2").limit, 7.0711, 1e-4);
  EXPECT_NEAR(checkOf(fourth, "secondGroupW3").limit, 8.6603, 1e-4);  // 2·sqrt(3)·2.5
  EXPECT_EQ(checkOf(fourth, "mb").limit, 2.5);
  EXPECT_EQ(checkOf(fourth, "w1").limit, 9.0);
}

// Ferrero's estimate and the figure's shape draw notes and never fail a grade.
struct NoteCase {
  const char* label;
  std::array<double, 3> triangleW;
  double smallestAngle;  ///< replaces the first distance angle
  std::string_view key;
  Verdict verdict;
  std::string_view remarkHolds;
};

void PrintTo(const NoteCase& c, std::ostream* os) { *os << c.label; }

class NotesNeverFail : public ::testing::TestWithParam<NoteCase> {};

TEST_P(NotesNeverFail, VerdictAndRemark) {
  const NoteCase& c = GetParam();
  GradeInputs inputs = cleanInputs();
  inputs.triangleW = {c.triangleW};
  inputs.adjustedAngles[1] = c.smallestAngle;
  const GradeAssessment assessment = assessGrade(inputs, grade("图根"));
  const GradeCheck check = checkOf(assessment, c.key);
  EXPECT_EQ(check.verdict, c.verdict);
  EXPECT_FALSE(check.decides);
  EXPECT_NE(std::string(check.remark).find(c.remarkHolds), std::string::npos) << check.remark;
  EXPECT_TRUE(assessment.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NotesNeverFail,
    ::testing::Values(
        // sqrt((60² + 60² + 60²) / 9) = 34.6 <= 20 is false: a note, the triangles themselves pass at 60.
        NoteCase{"FerreroBeyondM", {60.0, -60.0, 60.0}, 45.0, "mBeta", Verdict::Note, "参考"},
        NoteCase{"FerreroWithinM", {30.0, 30.0, 30.0}, 45.0, "mBeta", Verdict::Pass, "参考"},
        NoteCase{"AngleOfThirtyDegrees", {}, 30.0, "smallestAngle", Verdict::Pass, ""},
        NoteCase{"AngleJustBelowThirty", {}, 29.99, "smallestAngle", Verdict::Note, "30°"},
        NoteCase{"AngleOfTwentyFive", {}, 25.0, "smallestAngle", Verdict::Note, "30°"},
        NoteCase{"AngleBelowTwentyFive", {}, 24.99, "smallestAngle", Verdict::Note, "25°"},
        NoteCase{"AngleOfFiveDegrees", {}, 5.0, "smallestAngle", Verdict::Note, "很弱"}),
    rowLabel<NoteCase>);

TEST(GradeChecks, FerreroIsTheRootOfTheMeanSquaredMisclosureOverThree) {
  GradeInputs inputs = cleanInputs();
  inputs.triangleW = {3.0, -4.0, 12.0};  // [ww] = 169
  EXPECT_DOUBLE_EQ(checkOf(assessGrade(inputs, grade("二等")), "mBeta").value, 13.0 / 3.0);
}

TEST(GradeChecks, SmallestAngleIsNamedByItsVertex) {
  GradeInputs inputs = cleanInputs();
  inputs.adjustedAngles[8] = 26.5;  // B(3)
  const GradeCheck shape = checkOf(assessGrade(inputs, grade("四等")), "smallestAngle");
  EXPECT_EQ(shape.name, "最小角 B(3)");
  EXPECT_EQ(shape.value, 26.5);
}

struct HighestCase {
  const char* label;
  void (*change)(GradeInputs&);
  const char* expected;  ///< nullptr: none met
};

void PrintTo(const HighestCase& c, std::ostream* os) { *os << c.label; }

class HighestGrade : public ::testing::TestWithParam<HighestCase> {};

TEST_P(HighestGrade, IsTheStrictestThatPasses) {
  GradeInputs inputs = cleanInputs();
  GetParam().change(inputs);
  const SurveyGrade* met = highestGradeMet(inputs);
  if (GetParam().expected == nullptr) {
    EXPECT_EQ(met, nullptr) << met->name;
  } else {
    ASSERT_NE(met, nullptr);
    EXPECT_EQ(met->name, GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, HighestGrade,
    ::testing::Values(HighestCase{"Perfect", [](GradeInputs&) {}, "二等"},
                      HighestCase{"TriangleOfFiveSeconds", [](GradeInputs& in) { in.triangleW[1] = 5.0; }, "三等"},
                      HighestCase{"MbOfThreeSeconds", [](GradeInputs& in) { in.mb = 3.0; }, "一级"},
                      HighestCase{"CircleOfThirtySeconds", [](GradeInputs& in) { in.secondGroupW[3] = 30.0; }, "二级"},
                      HighestCase{"TriangleOfSixtyOneSeconds", [](GradeInputs& in) { in.triangleW[3] = 61.0; },
                                  nullptr},
                      HighestCase{"ThinAnglesAndLargeFerreroStillFirst",
                                  [](GradeInputs& in) {
                                    in.adjustedAngles[1] = 10.0;
                                    in.triangleW = {3.5, -3.5, 3.5};
                                  },
                                  "二等"}),
    rowLabel<HighestCase>);

TEST(GradeText, OneRowPerCheckWithVerdictsAndTheHighestGrade) {
  GradeInputs inputs = cleanInputs();
  inputs.triangleW[1] = 10.0;
  inputs.adjustedAngles[5] = 27.0;
  const std::string text = gradeText(assessGrade(inputs, grade("四等")), highestGradeMet(inputs));
  EXPECT_NE(text.find("三角形闭合差 w(1)"), std::string::npos) << text;
  EXPECT_NE(text.find("10.00 秒"), std::string::npos) << text;
  EXPECT_NE(text.find("≤ 9.00 秒"), std::string::npos) << text;
  EXPECT_NE(text.find("超限"), std::string::npos) << text;
  EXPECT_NE(text.find("≥ 30.00 度"), std::string::npos) << text;
  EXPECT_NE(text.find("注意（小于 30°"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("满足的最高等级：一级\n")) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + static_cast<long>(kGradeCheckCount) + 1);
  EXPECT_EQ(highestGradeLine(nullptr), "满足的最高等级：无\n");
}

}  // namespace
}  // namespace velmora
