// A batch: the figures of a CSV file adjusted one after another, each written
// as soon as it is done, so that memory does not grow with the file. A record
// that gives no result is written as an error record and the batch goes on.
// Every line of the file is accounted for in the summary: the header, a
// figure's record (result or error), a line a record continues on, or a
// line without content that was skipped.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "grade/survey_grades.h"
#include "input/text_encoding.h"
#include "output/record_writer.h"

namespace velmora {

/// Told of every record in the order of the file, beside the output: a
/// second format, such as a workbook, written from the same results.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void result(const FigureResult& figure) = 0;
  virtual void failure(const FigureFailure& figure) = 0;
};

struct BatchOptions {
  BatchFormat format = BatchFormat::JsonLines;
  bool check = false;  ///< add the rigorous least-squares check to each result
  TextEncoding encoding = TextEncoding::Automatic;
  /// Threads adjusting figures; 0: one per core. The output is the same for
  /// any number: records are written in the order of the file.
  std::size_t jobs = 1;
  /// Each check for this survey grade in every result; with it or with
  /// `check`, every result also names the highest grade met.
  const SurveyGrade* grade = nullptr;
  /// Each JSON Lines result also carries the worksheet's tables at full precision (output/tables_json.h).
  bool tables = false;
  RecordSink* sink = nullptr;  ///< also told of every record, when set
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
  std::size_t figures = 0;            ///< records after the header: results and error records
  std::size_t failed = 0;             ///< of them, those written as error records
  std::size_t skippedLines = 0;       ///< lines of separators and blanks only
  std::size_t headerLines = 0;        ///< the header's lines
  std::size_t continuationLines = 0;  ///< lines on which a record went on from the line before
  std::vector<std::string> notices;   ///< said once: the encoding read, columns ignored
  std::string inputProblem;           ///< not empty when the file has no valid header: nothing was adjusted
  bool outputFailed = false;          ///< the output stream refused a write
};

BatchSummary runBatch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress);

}  // namespace velmora
