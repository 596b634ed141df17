// The review of one complete Compute run, made here for every program: the
// rigorous least-squares check of its nine angles (check/) and its survey
// grade (grade/), the strictest grade met and each check against one grade.
// The window's check dialog, the console's check command and each batch
// result ask for the parts they show; nothing else is computed.
#pragma once

#include <optional>
#include <string>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"
#include "grade/grade_checks.h"

namespace velmora {

struct ReviewAsked {
  bool rigorous = false;      ///< the least-squares check
  bool highestGrade = false;  ///< the strictest survey grade the run meets
  /// Each check against `grade`; without one, against the highest grade met,
  /// the loosest when none is met (gradeToShow).
  bool gradeChecks = false;
  const SurveyGrade* grade = nullptr;
};

enum class ReviewEnd {
  Reviewed,       ///< every part asked for is there
  NoCompleteRun,  ///< no complete run to check: the last run stopped, or a typed value is no number
  CannotCheck,    ///< the rigorous check cannot be computed (a singular or diverging figure)
};

struct RunReview {
  ReviewEnd end = ReviewEnd::Reviewed;
  std::string refusal;                        ///< unless Reviewed: why there is no check, for the operator
  std::optional<RigorousCheck> check;         ///< asked for and computed
  const SurveyGrade* highest = nullptr;       ///< asked for: the strictest grade met, or none
  std::optional<GradeAssessment> assessment;  ///< asked for: every check against the grade
};

/// The parts asked for of the run whose complete adjustment gave `results`
/// (the check takes the typed values as the run read them). The grade parts
/// are there whatever becomes of the check.
RunReview reviewRun(const AdjustmentResults& results, const ReviewAsked& asked);

/// The same for the window's record; NoCompleteRun, with nothing computed,
/// when its last run did not complete.
RunReview reviewRun(const AdjustmentState& state, const ReviewAsked& asked);

}  // namespace velmora
