#include "batch/figure_rows.h"

#include <istream>
#include <streambuf>

#include "batch/record_adjustment.h"
#include "figure_file/figure_file_reader.h"
#include "review/run_review.h"

namespace velmora {
namespace {

/// The file's bytes read in place, telling how far the reader has come.
class BytesBuffer final : public std::streambuf {
 public:
  explicit BytesBuffer(std::string& bytes) { setg(bytes.data(), bytes.data(), bytes.data() + bytes.size()); }
  std::size_t consumed() const { return static_cast<std::size_t>(gptr() - eback()); }
  std::size_t size() const { return static_cast<std::size_t>(egptr() - eback()); }
};

constexpr ReviewAsked kRowReview{.highestGrade = true};

}  // namespace

struct FigureRowReader::Reading {
  Reading(std::string& bytes, TextEncoding encoding) : buffer(bytes), input(&buffer), reader(input, encoding) {}
  BytesBuffer buffer;
  std::istream input;
  FigureFileReader reader;
  FigureRecord figure;
  FigureFileRecord record;
  RunReview review;
};

FigureRowReader::FigureRowReader(std::string bytes, TextEncoding encoding)
    : bytes_(std::move(bytes)), reading_(std::make_unique<Reading>(bytes_, encoding)) {
  problem_ = reading_->reader.readHeader();
}

FigureRowReader::~FigureRowReader() = default;

bool FigureRowReader::adjustNext(std::size_t count, std::vector<FigureRow>& rows) {
  if (!problem_.empty()) return false;
  Reading& r = *reading_;
  for (std::size_t done = 0; done < count; ++done) {
    if (!r.reader.next(r.figure, r.record)) return false;
    FigureRow& row = rows.emplace_back();
    row.line = r.record.line;
    std::optional<RecordError> error = r.record.error;
    if (error) {
      row.figureRead = false;
      if (r.record.name) row.name.emplace(*r.record.name);
    } else {
      row.name = r.figure.name();
      AdjustmentResults& results = row.results.emplace();
      error = adjustRecord(r.reader.header(), r.figure, kRowReview, results, r.review);
      if (!error) row.highest = r.review.highest;
    }
    if (error) {
      row.results.reset();
      if (error->field) row.errorField.emplace(*error->field);
      row.errorMessage = std::move(error->message);
    }
  }
  return true;
}

double FigureRowReader::fractionRead() const {
  const BytesBuffer& buffer = reading_->buffer;
  return buffer.size() == 0 ? 1.0 : static_cast<double>(buffer.consumed()) / static_cast<double>(buffer.size());
}

void writeFigureRow(RecordWriter& writer, std::string& out, const FigureRow& row, RunReview& review) {
  if (row.results) {
    review.highest = row.highest;
    writer.result(out, {row.line, *row.name, *row.results, review});
    return;
  }
  const std::optional<std::string_view> field =
      row.errorField ? std::optional<std::string_view>(*row.errorField) : std::nullopt;
  writer.failure(out, {row.line, row.name ? &*row.name : nullptr, field, row.errorMessage});
}

}  // namespace velmora
