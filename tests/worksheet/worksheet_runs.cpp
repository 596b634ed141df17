#include "worksheet_runs.h"

#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {

WorksheetRun worksheetRun(const figures::Figure& figure, const SurveyGrade* grade) {
  WorksheetRun run;
  RecordingWindow window(figures::confirmedReplies(figure));
  StageTableRecorder recorder;
  run.outcome = computeRun(run.state, window, &recorder);
  run.tables = recorder.tables();
  run.review = worksheetReview(run.state, grade);
  return run;
}

const WorksheetContext& fixedContext() {
  static const WorksheetContext context{"examples/figures.csv", 2, "2026-01-02 03:04:05", "0.0.0"};
  return context;
}

WorksheetDocument worksheetOf(const WorksheetRun& run, const WorksheetContext& context) {
  return buildWorksheet({run.state, run.tables, run.review, context});
}

}  // namespace velmora
