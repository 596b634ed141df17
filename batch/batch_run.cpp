#include "batch/batch_run.h"

#include "batch/csv_record_reader.h"
#include "batch/figure_adjustment.h"
#include "check/check_observations.h"

namespace velmora {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

class Batch {
 public:
  Batch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress)
      : reader_(input),
        output_(output),
        options_(options),
        progress_(progress),
        writer_(makeRecordWriter(
            options.format, {options.check, options.check || options.grade != nullptr, options.grade != nullptr})) {
    pending_.reserve(2 * kFlushBytes);
  }

  BatchSummary run() {
    CsvRecord record;
    if (!reader_.next(record)) {
      summary_.inputProblem = "文件是空的：第 1 行应为表头";
      return summary_;
    }
    summary_.inputProblem = headerProblem(record);
    if (!summary_.inputProblem.empty()) return summary_;
    writer_->begin(pending_);
    while (reader_.next(record) && !summary_.outputFailed) {
      figure(record);
      if (pending_.size() >= kFlushBytes) flush();
      if (progress_ && summary_.figures % kProgressStride == 0) progress_->figuresDone(summary_.figures);
    }
    flush();
    if (progress_) progress_->finished(summary_.figures);
    return summary_;
  }

 private:
  void figure(const CsvRecord& record) {
    ++summary_.figures;
    if (std::optional<RecordError> error = readFigure(record, figure_)) {
      const std::string* name = record.fields.empty() || record.fields[0].empty() ? nullptr : &record.fields[0];
      fail({record.line, name, *error});
      return;
    }
    AdjustmentState state;
    if (std::optional<RecordError> error = adjustFigure(figure_, state)) {
      fail({record.line, &figure_.name(), *error});
      return;
    }
    std::optional<RigorousCheck> check;
    if (options_.check) {
      if (const std::optional<CheckObservations> observations = checkObservations(state)) {
        check = rigorousAdjustment(*observations).check;
      }
    }
    std::optional<FigureGrade> grade;
    if (options_.check || options_.grade) grade = figureGrade(state, options_.grade);
    writer_->result(pending_,
                    {record.line, figure_.name(), state, check ? &*check : nullptr, grade ? &*grade : nullptr});
  }

  void fail(const FigureFailure& failure) {
    ++summary_.failed;
    writer_->failure(pending_, failure);
  }

  void flush() {
    output_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
    output_.flush();
    pending_.clear();
    if (!output_) summary_.outputFailed = true;
  }

  CsvRecordReader reader_;
  std::ostream& output_;
  const BatchOptions& options_;
  BatchProgress* progress_;
  std::unique_ptr<RecordWriter> writer_;
  FigureRecord figure_;
  std::string pending_;
  BatchSummary summary_;
};

}  // namespace

BatchSummary runBatch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress) {
  return Batch(input, output, options, progress).run();
}

}  // namespace velmora
