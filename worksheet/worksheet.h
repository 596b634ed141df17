// The worksheet (平差计算表) of a complete compute run: every intermediate a
// hand computation writes down, in the method's order, beside the 53-line
// report. Each number shown is one the run stored or computed (StageTables);
// the sum columns and the checks of the conditions are the worksheet's own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/adjustment_state.h"
#include "grade/survey_grades.h"
#include "review/run_review.h"
#include "worksheet/stage_tables.h"
#include "worksheet/worksheet_document.h"

namespace velmora {

/// Where and when the figure was computed, for the header.
struct WorksheetContext {
  std::string figureFile;      ///< empty when the figure did not come from a figure file
  std::size_t recordLine = 0;  ///< the figure's record line in that file
  std::string computedAt;      ///< local date and time of the computation, "2026-12-09 08:53"
  std::string programVersion;
};

struct WorksheetInputs {
  const AdjustmentState& state;
  const StageTables& tables;
  const RunReview& review;  ///< from worksheetReview
  const WorksheetContext& context;
};

/// Why there is no worksheet: print's refusal when the last run did not
/// complete, or tables that are not that run's; none when there is one.
std::optional<std::string> worksheetRefusal(const AdjustmentState& state, const StageTables& tables);

/// The review the worksheet shows: the rigorous check, the highest grade met
/// and each check against `grade` (none: the highest met, else the loosest).
RunReview worksheetReview(const AdjustmentState& state, const SurveyGrade* grade);

WorksheetDocument buildWorksheet(const WorksheetInputs& inputs);

}  // namespace velmora
