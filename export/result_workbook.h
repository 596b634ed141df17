// The Excel workbook of a run's results, written row by row in libxlsxwriter's
// constant-memory mode so that a batch of any length takes the same memory.
// Sheet 成果: one row per record (line, name, P from A, mb, md, m of 1/m,
// 1/pb, 1/ps, w(1..3), w1..w4, the highest grade met, with --grade its
// verdict; an error record's column and message). Sheet 检核 (with the check):
// the rigorous P, m0, mx, my, mp and the error ellipse. Numbers are number
// cells at full precision (16 significant digits, as libxlsxwriter writes
// them), displayed with 0.000 for metres and 0.00 for
// seconds and millimetres; texts are always text cells, never formulas.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/adjustment_results.h"
#include "export/atomic_file.h"
#include "review/run_review.h"

namespace velmora {

struct WorkbookParts {
  bool check = false;         ///< the 检核 sheet
  bool gradeVerdict = false;  ///< the --grade columns: the grade and its verdict
};

/// One record's row; `line` is none for a figure typed at the console.
struct WorkbookResult {
  std::optional<std::size_t> line;
  const std::string& name;
  const AdjustmentResults& results;
  const RunReview& review;  ///< its check and grade, as far as asked for
};

class ResultWorkbook {
 public:
  /// Starts the workbook for `path`; nothing is under that name until `close`.
  ResultWorkbook(const std::string& path, WorkbookParts parts);
  ~ResultWorkbook();
  ResultWorkbook(const ResultWorkbook&) = delete;
  ResultWorkbook& operator=(const ResultWorkbook&) = delete;

  void addResult(const WorkbookResult& record);
  /// An error record's row: the column at fault, when one is, and the message.
  void addFailure(std::size_t line, const std::string* name, std::optional<std::string_view> field,
                  std::string_view message);

  /// Writes the file and puts it under its name; the reason when it cannot.
  std::string close();

 private:
  struct Sheets;
  AtomicFile file_;
  std::string libraryProblem_;
  WorkbookParts parts_;
  std::unique_ptr<Sheets> sheets_;
};

}  // namespace velmora
