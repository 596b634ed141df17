// Writers of a batch's output, one record per figure in the order of the file:
// its results under the system's own names, or the error that stopped it.
// Numbers at full precision (shortest round-trip text); angles in decimal
// degrees, misclosures and residuals in arc seconds, coordinates in metres.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "batch/figure_record.h"
#include "batch/grade_fields.h"
#include "check/rigorous_adjustment.h"
#include "engine/adjustment_results.h"

namespace velmora {

enum class BatchFormat { JsonLines, Csv };

/// A figure whose Compute run completed; `check` is null without --check or
/// when the rigorous check could not be computed.
struct FigureResult {
  std::size_t line = 0;
  const std::string& name;
  const AdjustmentResults& results;
  const RigorousCheck* check = nullptr;
  const FigureGrade* grade = nullptr;  ///< null unless ResultParts::grade
};

/// A record that gave no result; `name` is null when the record had no fields to name it.
struct FigureFailure {
  std::size_t line = 0;
  const std::string* name = nullptr;
  const RecordError& error;
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

/// JSON Lines or CSV with the parts asked for.
std::unique_ptr<RecordWriter> makeRecordWriter(BatchFormat format, ResultParts parts);

}  // namespace velmora
