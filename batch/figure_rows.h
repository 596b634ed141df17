// A figure file's records adjusted a few at a time into rows held in memory,
// each as batch writes it (the same adjustment, review and error record), for
// a table that fills while the rest is computed and can stop at any record.
// A row keeps what the output/ writers need, so that the rows can be written
// again as batch's CSV or into a workbook; about 400 bytes a figure.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/adjustment_results.h"
#include "grade/survey_grades.h"
#include "input/text_encoding.h"
#include "output/record_writer.h"

namespace velmora {

struct FigureRow {
  std::size_t line = 0;                      ///< the line the record starts on (1-based)
  std::optional<std::string> name;           ///< none when the record has no field to name it
  std::optional<AdjustmentResults> results;  ///< none for an error record
  const SurveyGrade* highest = nullptr;      ///< the strictest grade met, of a result
  std::optional<std::string> errorField;     ///< the column at fault, when one is
  std::string errorMessage;                  ///< why an error record has no result
  bool figureRead = true;  ///< false when the record gave no figure's texts at all (it cannot be opened)
};

/// The row as batch's writers take it: `review` is a scratch review that lends it the grade.
void writeFigureRow(RecordWriter& writer, std::string& out, const FigureRow& row, RunReview& review);

/// The rows' parts: the adjustment's values and the highest grade met, as `batch --grade` writes them.
inline constexpr ResultParts kFigureRowParts{.check = false, .grade = true, .gradeChecks = false};

class FigureRowReader {
 public:
  /// Reads the figure file held in `bytes` (read as the window reads figure files).
  explicit FigureRowReader(std::string bytes, TextEncoding encoding = TextEncoding::Automatic);
  ~FigureRowReader();
  FigureRowReader(const FigureRowReader&) = delete;
  FigureRowReader& operator=(const FigureRowReader&) = delete;

  /// Empty when the file has a figure header; else why nothing can be read.
  const std::string& problem() const { return problem_; }

  /// Adjusts up to `count` more records into rows appended to `rows`; false
  /// once the file has no more (at once for a file without a header).
  bool adjustNext(std::size_t count, std::vector<FigureRow>& rows);

  /// How much of the file has been read, from 0 to 1.
  double fractionRead() const;

 private:
  struct Reading;
  std::string bytes_;
  std::unique_ptr<Reading> reading_;
  std::string problem_;
};

}  // namespace velmora
