// Figures run the way the console runs them for its worksheet: an interactive
// compute run that confirms every reply, with the worksheet's table recorder
// as the second observer, and the worksheet built from it.
#pragma once

#include "figure_factory.h"
#include "ui/run_outcome.h"
#include "worksheet/worksheet.h"

namespace velmora {

struct WorksheetRun {
  AdjustmentState state;
  StageTables tables;
  RunOutcome outcome;
  RunReview review;
};

/// The figure's run and its review for `grade` (none: the highest met).
WorksheetRun worksheetRun(const figures::Figure& figure, const SurveyGrade* grade = nullptr);

/// A context that does not change from run to run.
const WorksheetContext& fixedContext();

WorksheetDocument worksheetOf(const WorksheetRun& run, const WorksheetContext& context = fixedContext());

}  // namespace velmora
