// What an export writes of one complete run: the state (typed values, point
// name, stored results), its rigorous check when it could be computed, the
// grade asked for with --grade and the highest grade met. x north, y east,
// metres; angles in decimal degrees; errors in arc seconds and millimetres.
#pragma once

#include <optional>
#include <string>

#include "check/check_observations.h"
#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"
#include "grade/survey_grades.h"
#include "input/text_encoding.h"

namespace velmora {

struct ExportFigure {
  const AdjustmentState& state;           ///< of a complete run
  const CheckObservations& observations;  ///< the nine angles and A, B, C as typed
  const RigorousCheck* check = nullptr;   ///< null when the check could not be computed
  const SurveyGrade* grade = nullptr;     ///< --grade; null without it
};

/// P's name in a file that names every point: the typed name, or "P" when none was typed.
std::string exportedPointName(const AdjustmentState& state);

}  // namespace velmora
