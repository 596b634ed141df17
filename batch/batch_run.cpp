#include "batch/batch_run.h"

#include <algorithm>
#include <array>
#include <memory>
#include <thread>

#include "batch/record_adjustment.h"
#include "batch/work_pool.h"
#include "figure_file/figure_file_reader.h"
#include "review/run_review.h"
#include "worksheet/stage_tables.h"

namespace velmora {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 16;
/// Figures read ahead while the figures before them are adjusted.
constexpr std::size_t kBlockFigures = 512;

/// A record read and waiting to be adjusted, and then its output record.
struct FigureSlot {
  FigureRecord figure;
  FigureFileRecord record;  ///< its line and, if it could not be read, why
  std::string name;         ///< a record that could not be read: its name, if any
  std::string out;
  bool failed = false;
  // The record's results or fault, as the record sink is told them.
  AdjustmentResults results;
  RunReview review;
  std::optional<RecordError> fault;
  /// With --tables: the worksheet's tables of the figure (made on first use, so that a batch without costs no memory).
  std::unique_ptr<StageTableRecorder> tables;
};

/// A block of slots filled by the reader; the slots keep their strings'
/// capacity from block to block, so that reading allocates nothing.
struct FigureBlock {
  std::vector<FigureSlot> slots = std::vector<FigureSlot>(kBlockFigures);
  std::size_t count = 0;
};

/// The review each result carries: the rigorous check with --check, the highest
/// grade met with --check or --grade, each check with --grade.
ReviewAsked reviewAsked(const BatchOptions& options) {
  return {.rigorous = options.check,
          .highestGrade = options.check || options.grade != nullptr,
          .gradeChecks = options.grade != nullptr,
          .grade = options.grade};
}

const StageTables* tablesOf(const FigureSlot& slot, const BatchOptions& options) {
  return options.tables ? &slot.tables->tables() : nullptr;
}

/// Adjusts one figure and writes its record, a result or an error record:
/// the one place where a figure is adjusted. False for an error record.
bool adjustAndWrite(FigureSlot& slot, const FigureHeader& header, const BatchOptions& options, RecordWriter& writer) {
  const FigureRecord& figure = slot.figure;
  if (options.tables && !slot.tables) slot.tables = std::make_unique<StageTableRecorder>();
  slot.fault = adjustRecord(header, figure, reviewAsked(options), slot.results, slot.review, slot.tables.get());
  if (slot.fault) {
    writer.failure(slot.out, {slot.record.line, &figure.name(), slot.fault->field, slot.fault->message});
    return false;
  }
  writer.result(slot.out, {slot.record.line, figure.name(), slot.results, slot.review, tablesOf(slot, options)});
  return true;
}

/// What each result carries besides the adjustment's values: the parts of its review.
ResultParts resultParts(const BatchOptions& options) {
  const ReviewAsked asked = reviewAsked(options);
  return {.check = asked.rigorous, .grade = asked.highestGrade, .gradeChecks = asked.gradeChecks};
}

std::size_t jobsFor(std::size_t asked) {
  if (asked > 0) return asked;
  return std::max<std::size_t>(1, std::thread::hardware_concurrency());
}

class Batch {
 public:
  Batch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress)
      : reader_(input, options.encoding),
        output_(output),
        options_(options),
        progress_(progress),
        pool_(jobsFor(options.jobs), [this](std::size_t item, std::size_t worker) { adjust(item, worker); }) {
    for (std::size_t worker = 0; worker < jobsFor(options.jobs); ++worker) {
      writers_.push_back(makeRecordWriter(options.format, resultParts(options)));
    }
    pending_.reserve(2 * kFlushBytes);
  }

  BatchSummary run() {
    summary_.inputProblem = reader_.readHeader();
    if (summary_.inputProblem.empty()) {
      writers_.front()->begin(pending_);
      adjustAll();
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
  /// Reads a block while the pool adjusts the one before, then writes that
  /// one's records in the order of the file.
  void adjustAll() {
    FigureBlock* reading = &blocks_[0];
    FigureBlock* adjusting = &blocks_[1];
    read(*reading);
    while (reading->count > 0 && !summary_.outputFailed) {
      std::swap(reading, adjusting);
      adjusting_ = adjusting;
      pool_.start(adjusting->count);
      read(*reading);
      pool_.wait();
      write(*adjusting);
    }
  }

  void read(FigureBlock& block) {
    block.count = 0;
    while (block.count < block.slots.size()) {
      FigureSlot& slot = block.slots[block.count];
      if (!reader_.next(slot.figure, slot.record)) break;
      if (slot.record.error) slot.name.assign(slot.record.name.value_or(""));
      ++block.count;
    }
  }

  void adjust(std::size_t item, std::size_t worker) {
    FigureSlot& slot = adjusting_->slots[item];
    RecordWriter& writer = *writers_[worker];
    slot.out.clear();
    if (slot.record.error) {
      const bool named = slot.record.name.has_value();
      const RecordError& error = *slot.record.error;
      writer.failure(slot.out, {slot.record.line, named ? &slot.name : nullptr, error.field, error.message});
      slot.failed = true;
      return;
    }
    slot.failed = !adjustAndWrite(slot, reader_.header(), options_, writer);
  }

  void write(const FigureBlock& block) {
    for (std::size_t item = 0; item < block.count; ++item) {
      const FigureSlot& slot = block.slots[item];
      pending_ += slot.out;
      if (options_.sink) tellSink(slot);
      ++summary_.figures;
      if (slot.failed) ++summary_.failed;
      if (pending_.size() >= kFlushBytes) flush();
      if (progress_ && summary_.figures % kProgressStride == 0) progress_->figuresDone(summary_.figures);
    }
  }

  /// The record sink is told each record as it is written: its result or its error.
  void tellSink(const FigureSlot& slot) const {
    if (!slot.failed) {
      options_.sink->result(
          {slot.record.line, slot.figure.name(), slot.results, slot.review, tablesOf(slot, options_)});
    } else if (slot.record.error) {
      const RecordError& error = *slot.record.error;
      options_.sink->failure({slot.record.line, slot.record.name ? &slot.name : nullptr, error.field, error.message});
    } else {
      options_.sink->failure({slot.record.line, &slot.figure.name(), slot.fault->field, slot.fault->message});
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
  std::vector<std::unique_ptr<RecordWriter>> writers_;  ///< one per worker
  std::array<FigureBlock, 2> blocks_;
  FigureBlock* adjusting_ = nullptr;
  std::string pending_;
  BatchSummary summary_;
  WorkPool pool_;  ///< last: its threads end before the rest is destroyed
};

}  // namespace

BatchSummary runBatch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress) {
  return Batch(input, output, options, progress).run();
}

}  // namespace velmora
