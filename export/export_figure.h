// What an export writes of one complete run: the state (typed values, point
// name, stored results) and its review: the rigorous check when it could be
// computed, the highest grade met and, with --grade, the checks for that grade. x north, y east,
// metres; angles in decimal degrees; errors in arc seconds and millimetres.
#pragma once

#include <optional>
#include <string>

#include "check/check_observations.h"
#include "engine/adjustment_state.h"
#include "grade/survey_grades.h"
#include "review/run_review.h"

namespace velmora {

struct ExportFigure {
  const AdjustmentState& state;           ///< of a complete run
  const CheckObservations& observations;  ///< the nine angles and A, B, C as typed
  const RunReview& review;                ///< its check (none when it could not be computed) and grade
  const SurveyGrade* grade = nullptr;     ///< --grade; null without it
};

/// P's name in a file that names every point: the typed name, or "P" when none was typed.
std::string exportedPointName(const AdjustmentState& state);

}  // namespace velmora
