#include "review/run_review.h"

#include "check/check_observations.h"
#include "texts/fault_messages.h"

namespace velmora {
namespace {

void checkRigorously(const AdjustmentResults& results, RunReview& review) {
  CheckOutcome outcome = rigorousAdjustment(checkObservations(results));
  if (!outcome.check) {
    review.end = ReviewEnd::CannotCheck;
    review.refusal = cannotCheckMessage(outcome.failure);
    return;
  }
  review.check = std::move(outcome.check);
}

void assessGrades(const AdjustmentResults& results, const ReviewAsked& asked, RunReview& review) {
  const GradeInputs inputs = gradeInputs(results);
  review.highest = highestGradeMet(inputs);
  if (asked.gradeChecks) review.assessment = assessGrade(inputs, gradeToShow(asked.grade, review.highest));
}

}  // namespace

RunReview reviewRun(const AdjustmentResults& results, const ReviewAsked& asked) {
  RunReview review;
  if (asked.rigorous) checkRigorously(results, review);
  if (asked.highestGrade || asked.gradeChecks) assessGrades(results, asked, review);
  return review;
}

RunReview reviewRun(const AdjustmentState& state, const ReviewAsked& asked) {
  if (state.lastRunComplete) return reviewRun(static_cast<const AdjustmentResults&>(state), asked);
  RunReview refused;
  refused.end = ReviewEnd::NoCompleteRun;
  refused.refusal = kNoRunToCheckMessage;
  return refused;
}

}  // namespace velmora
