#include "export/figure_rows_export.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

#include "export/atomic_file.h"
#include "export/result_workbook.h"
#include "review/run_review.h"

namespace velmora {
namespace {

constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() <= ending.size()) return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  for (std::size_t i = 0; i < ending.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) != ending[i]) return false;
  }
  return true;
}

std::string writeWorkbook(const std::string& path, std::span<const FigureRow* const> rows) {
  ResultWorkbook book(path, {});
  RunReview review;
  for (const FigureRow* row : rows) {
    if (row->results) {
      review.highest = row->highest;
      book.addResult({row->line, *row->name, *row->results, review});
    } else {
      const std::optional<std::string_view> field =
          row->errorField ? std::optional<std::string_view>(*row->errorField) : std::nullopt;
      book.addFailure(row->line, row->name ? &*row->name : nullptr, field, row->errorMessage);
    }
  }
  return book.close();
}

std::string writeCsv(const std::string& path, std::span<const FigureRow* const> rows) {
  AtomicFile file(path);
  if (!file.problem().empty()) return file.problem();
  errno = 0;
  std::ofstream out(file.temporaryPath(), std::ios::binary | std::ios::trunc);
  const std::unique_ptr<RecordWriter> writer = makeCsvWriter(kFigureRowParts);
  std::string pending;
  writer->begin(pending);
  RunReview review;
  for (const FigureRow* row : rows) {
    writeFigureRow(*writer, pending, *row, review);
    if (pending.size() >= kFlushBytes) {
      out << pending;
      pending.clear();
    }
  }
  out << pending << std::flush;
  out.close();
  // A write the system refused (a full disk, a size limit) is told in the system's words.
  if (!out) return errno != 0 ? std::strerror(errno) : "写出出错";
  return file.commit();
}

}  // namespace

std::string writeFigureRows(const std::string& path, std::span<const FigureRow* const> rows) {
  if (endsWithIgnoringCase(path, ".xlsx")) return writeWorkbook(path, rows);
  if (endsWithIgnoringCase(path, ".csv")) return writeCsv(path, rows);
  return "不认识的扩展名（可用 .xlsx、.csv）";
}

}  // namespace velmora
