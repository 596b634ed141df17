// A batch: the figures of a CSV file adjusted one after another, each written
// as soon as it is done, so that memory does not grow with the file. A record
// that gives no result is written as an error record and the batch goes on.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "batch/record_writer.h"
#include "grade/survey_grades.h"

namespace velmora {

struct BatchOptions {
  BatchFormat format = BatchFormat::JsonLines;
  bool check = false;  ///< add the rigorous least-squares check to each result
  /// Each check for this survey grade in every result; with it or with
  /// `check`, every result also names the highest grade met.
  const SurveyGrade* grade = nullptr;
};

/// Told how far the batch has come; a terminal shows it, a pipe does not care.
class BatchProgress {
 public:
  virtual ~BatchProgress() = default;
  /// Called after every kProgressStride figures with the count so far.
  virtual void figuresDone(std::size_t figures) = 0;
  virtual void finished(std::size_t figures) = 0;
};

inline constexpr std::size_t kProgressStride = 1024;

struct BatchSummary {
  std::size_t figures = 0;    ///< records after the header
  std::size_t failed = 0;     ///< of them, those written as error records
  std::string inputProblem;   ///< not empty when the file has no valid header: nothing was adjusted
  bool outputFailed = false;  ///< the output stream refused a write
};

BatchSummary runBatch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress);

}  // namespace velmora
