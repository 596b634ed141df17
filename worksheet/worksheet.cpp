#include "worksheet/worksheet.h"

#include "report/report_writer.h"
#include "worksheet/worksheet_sections.h"

namespace velmora {

std::optional<std::string> worksheetRefusal(const AdjustmentState& state, const StageTables& tables) {
  // Tables of a run that did not complete are refused in print's own words, as a stopped run is.
  return state.lastRunComplete && tables.complete ? std::nullopt : reportRefusal(AdjustmentState{});
}

RunReview worksheetReview(const AdjustmentState& state, const SurveyGrade* grade) {
  return reviewRun(state, {.rigorous = true, .highestGrade = true, .gradeChecks = true, .grade = grade});
}

WorksheetDocument buildWorksheet(const WorksheetInputs& inputs) {
  using namespace sheet;
  return {"中点多边形条件平差计算表",
          {headerSection(inputs), knownSideSection(inputs), firstGroupSection(inputs), conditionSection(inputs),
           normalEquationSection(inputs), correctionSection(inputs), resultSection(inputs), checkSection(inputs)}};
}

}  // namespace velmora
