#include "batch/batch_run.h"

#include "batch/csv_record_reader.h"
#include "batch/figure_adjustment.h"
#include "check/check_observations.h"

namespace velmora {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : "、") + name;
  return text;
}

/// Adjusts one figure and writes its record, a result or an error record:
/// the one place where a figure is adjusted. True for a result.
bool adjustAndWrite(const FigureRecord& figure, std::size_t line, bool check, RecordWriter& writer, std::string& out) {
  AdjustmentState state;
  if (std::optional<RecordError> error = adjustFigure(figure, state)) {
    writer.failure(out, {line, &figure.name(), *error});
    return false;
  }
  std::optional<RigorousCheck> rigorous;
  if (check) {
    if (const std::optional<CheckObservations> observations = checkObservations(state)) {
      rigorous = rigorousAdjustment(*observations).check;
    }
  }
  writer.result(out, {line, figure.name(), state, rigorous ? &*rigorous : nullptr});
  return true;
}

class Batch {
 public:
  Batch(std::istream& input, std::ostream& output, const BatchOptions& options, BatchProgress* progress)
      : reader_(input, options.encoding),
        output_(output),
        options_(options),
        progress_(progress),
        writer_(makeRecordWriter(options.format, options.check)) {
    pending_.reserve(2 * kFlushBytes);
  }

  BatchSummary run() {
    if (!readHeader()) return summary_;
    writer_->begin(pending_);
    while (!summary_.outputFailed && reader_.next(record_)) {
      if (!countLines()) continue;
      figure();
      if (pending_.size() >= kFlushBytes) flush();
      if (progress_ && summary_.figures % kProgressStride == 0) progress_->figuresDone(summary_.figures);
    }
    flush();
    encodingNotices();
    if (progress_) progress_->finished(summary_.figures);
    return summary_;
  }

 private:
  /// Counts the record's lines; false for a line to skip.
  bool countLines() {
    if (record_.blank) {
      ++summary_.skippedLines;
      return false;
    }
    summary_.continuationLines += record_.lines - 1;
    return true;
  }

  bool readHeader() {
    bool found = false;
    while ((found = reader_.next(record_)) && record_.blank) ++summary_.skippedLines;
    if (!found) {
      summary_.inputProblem = "文件是空的：第 1 行应为表头 " + figureHeaderLine();
      return false;
    }
    HeaderReading reading = velmora::readHeader(record_);
    if (!reading.header) {
      summary_.inputProblem = std::move(reading.problem);
      return false;
    }
    header_ = std::move(*reading.header);
    summary_.headerLines = record_.lines;
    reader_.expectFields(header_.fileColumnNames.size());
    if (!header_.unknownColumns.empty()) {
      summary_.notices.push_back("表头中的列 " + joined(header_.unknownColumns) + " 不是图形的列，已忽略");
    }
    return true;
  }

  void figure() {
    ++summary_.figures;
    if (std::optional<RecordError> error = readFigure(record_, header_, figure_)) {
      const std::optional<std::string_view> name = recordName(record_, header_);
      failedName_.assign(name.value_or(""));
      ++summary_.failed;
      writer_->failure(pending_, {record_.line, name ? &failedName_ : nullptr, *error});
      return;
    }
    if (!adjustAndWrite(figure_, record_.line, options_.check, *writer_, pending_)) ++summary_.failed;
  }

  void encodingNotices() {
    const TextDecoder& decoder = reader_.decoder();
    if (options_.encoding == TextEncoding::Automatic && decoder.encoding() == TextEncoding::Gb18030) {
      summary_.notices.emplace_back("文件不是 UTF-8 文本，已按 GB18030 读取");
    }
    if (decoder.replacedSequences() > 0) {
      summary_.notices.push_back("文件中有 " + std::to_string(decoder.replacedSequences()) +
                                 " 处字节不是 GB18030 文字，已读作 U+FFFD");
    }
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
  CsvRecord record_;
  FigureHeader header_;
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
