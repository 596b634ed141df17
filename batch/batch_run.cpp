#include "batch/batch_run.h"

#include "batch/figure_file_reader.h"
#include "check/check_observations.h"
#include "engine/figure_adjustment.h"
#include "ui/run_messages.h"

namespace velmora {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

/// Adjusts one figure and writes its record, a result or an error record:
/// the one place where a figure is adjusted. True for a result.
bool adjustAndWrite(const FigureRecord& figure, const FigureHeader& header, std::size_t line,
                    const BatchOptions& options, RecordWriter& writer, std::string& out) {
  if (const std::optional<RecordError> error = firstNonNumber(header, figure)) {
    writer.failure(out, {line, &figure.name(), *error});
    return false;
  }
  const FigureTexts typed = figure.typed();
  AdjustmentResults results;
  if (const StageOutcome fault = adjustFigure(typed, results)) {
    const std::optional<std::string_view> column =
        fault->entry ? std::optional(entryColumn(*fault->entry)) : std::nullopt;
    writer.failure(out, {line, &figure.name(), RecordError{column, cannotComputeMessage(*fault)}});
    return false;
  }
  std::optional<RigorousCheck> rigorous;
  if (options.check) {
    if (const std::optional<CheckObservations> observations = checkObservations(typed, results)) {
      rigorous = rigorousAdjustment(*observations).check;
    }
  }
  std::optional<FigureGrade> grade;
  if (options.check || options.grade) grade = figureGrade(results, options.grade);
  writer.result(out, {line, figure.name(), results, rigorous ? &*rigorous : nullptr, grade ? &*grade : nullptr});
  return true;
}

class Batch {
 public:
  Batch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress)
      : reader_(input, options.encoding),
        output_(output),
        options_(options),
        progress_(progress),
        writer_(makeRecordWriter(
            options.format, {options.check, options.check || options.grade != nullptr, options.grade != nullptr})) {
    pending_.reserve(2 * kFlushBytes);
  }

  BatchSummary run() {
    summary_.inputProblem = reader_.readHeader();
    if (summary_.inputProblem.empty()) {
      writer_->begin(pending_);
      while (!summary_.outputFailed && reader_.next(figure_, record_)) {
        figure();
        if (pending_.size() >= kFlushBytes) flush();
        if (progress_ && summary_.figures % kProgressStride == 0) progress_->figuresDone(summary_.figures);
      }
      flush();
      if (progress_) progress_->finished(summary_.figures);
    }
    const FigureLineCounts& counts = reader_.counts();
    summary_.headerLines = counts.header;
    summary_.skippedLines = counts.skipped;
    summary_.continuationLines = counts.continuation;
    summary_.notices = reader_.notices();
    return summary_;
  }

 private:
  void figure() {
    ++summary_.figures;
    if (record_.error) {
      failedName_.assign(record_.name.value_or(""));
      ++summary_.failed;
      writer_->failure(pending_, {record_.line, record_.name ? &failedName_ : nullptr, *record_.error});
      return;
    }
    if (!adjustAndWrite(figure_, reader_.header(), record_.line, options_, *writer_, pending_)) {
      ++summary_.failed;
    }
  }

  void flush() {
    output_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    output_.flush();
    pending_.clear();
    if (!output_) summary_.outputFailed = true;
  }

  FigureFileReader reader_;
  std::ostream& output_;
  const BatchOptions& options_;
  BatchProgress* progress_;
  std::unique_ptr<RecordWriter> writer_;
  FigureFileRecord record_;
  FigureRecord figure_;
  std::string failedName_;
  std::string pending_;
  BatchSummary summary_;
};

}  // namespace

BatchSummary runBatch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress) {
  return Batch(input, output, options, progress).run();
}

}  // namespace velmora
