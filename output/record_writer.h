// Writers of results for machines, as batch writes them: one record per
// figure in the order of the file, its results under the system's own names,
// or the error that stopped it. The values and their order come from one
// table (output/result_columns.h).
//   JSON Lines: one object per figure. A result has the keys line, name, w,
//     secondGroupW, k, invPb, invPs, mb, md, m (null for 1/∞), xp1 .. yp3,
//     distanceAngle, advanceAngle, centralAngle; with the check, check (null
//     when it cannot be computed); with a grade, grade:
//     "grade":{"highest":"三等"|null[,"name":"四等","passes":true,
//              "checks":{"w1":{"value":1.6,"limit":9,"verdict":"合格"},...}]}
//     With the worksheet's tables, tables (output/tables_json.h).
//     A failure has line, name (when there is one) and error {field, message}.
//   CSV: a header line, then one line per figure with the same values, arrays
//     spread over numbered columns (w1 .. w3); the check's columns (check_xp ..),
//     then the grade's (grade_highest[,grade_name,grade_passes,grade_w1_value,
//     grade_w1_limit,grade_w1_verdict,...]). A failed record fills only line,
//     name, error_field and error_message; m is empty for 1/∞; check_flagged
//     lists the flagged angles' 1-based indices, blank-separated.
// Numbers at full precision (shortest round-trip text); angles in decimal
// degrees, misclosures and residuals in arc seconds, coordinates in metres.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/adjustment_results.h"
#include "review/run_review.h"
#include "worksheet/stage_tables.h"

namespace velmora {

enum class BatchFormat { JsonLines, Csv };

/// A figure whose Compute run completed, with the parts of its review asked for.
struct FigureResult {
  std::size_t line = 0;
  const std::string& name;
  const AdjustmentResults& results;
  const RunReview& review;
  const StageTables* tables = nullptr;  ///< JSON Lines: the worksheet's tables too, when given
};

/// A record that gave no result; `name` is null when the record had no fields to name it.
struct FigureFailure {
  std::size_t line = 0;
  const std::string* name = nullptr;
  std::optional<std::string_view> field;  ///< the column at fault, when one is
  std::string_view message;
};

class RecordWriter {
 public:
  virtual ~RecordWriter() = default;
  /// What comes before the first record (a header line), if anything.
  virtual void begin(std::string& out) = 0;
  virtual void result(std::string& out, const FigureResult& figure) = 0;
  virtual void failure(std::string& out, const FigureFailure& figure) = 0;
};

/// What each result holds besides the adjustment's own values.
struct ResultParts {
  bool check = false;        ///< the rigorous check's object or columns
  bool grade = false;        ///< the highest survey grade met
  bool gradeChecks = false;  ///< and each check for the grade asked for
};

std::unique_ptr<RecordWriter> makeJsonLinesWriter(ResultParts parts);
std::unique_ptr<RecordWriter> makeCsvWriter(ResultParts parts);

/// JSON Lines or CSV with the parts asked for.
std::unique_ptr<RecordWriter> makeRecordWriter(BatchFormat format, ResultParts parts);

}  // namespace velmora
