// One figure of a batch file: the point name, the coordinates of A, B, C
// (x north, y east, metres) and the nine observed angles in d.mmss, each kept
// as the text an operator would type at its prompt. The file's header names
// its columns; they may come in any order, in any case, with blanks around
// them, and columns of other names are ignored.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/adjustment_results.h"
#include "engine/figure_entry.h"
#include "figure_file/csv_record_reader.h"

namespace velmora {

inline constexpr std::size_t kFigureColumns = 16;

/// The columns in their usual order: name, xa, ya, xb, yb, xc, yc, a1, b1, c1, a2, b2, c2, a3, b3, c3.
extern const std::array<std::string_view, kFigureColumns> kFigureColumnNames;

/// Column names for a message: "xa、yb".
std::string joinedNames(const std::vector<std::string>& names);

/// "name,xa,ya,...,c3": the header Velmora writes.
std::string figureHeaderLine(char separator = ',');

struct FigureRecord {
  std::array<std::string, kFigureColumns> columns;  ///< in the order of kFigureColumnNames
  const std::string& name() const { return columns[0]; }
  /// The figure's values for the adjustment, viewing the columns.
  FigureTexts typed() const;
};

/// The column of a typed entry: xa .. c3.
std::string_view entryColumn(FigureEntry entry);

/// Why a record gives no result: the column at fault (none when the fault
/// belongs to no one column) and a message for the operator.
struct RecordError {
  std::optional<std::string_view> field;
  std::string message;
};

/// Where each figure column is in the file, as its header says.
struct FigureHeader {
  std::array<std::size_t, kFigureColumns> fileColumn{};  ///< for each figure column, its field in the file
  std::vector<std::string> fileColumnNames;              ///< the header's names, trimmed
  std::vector<std::string> unknownColumns;               ///< names that are no figure column (ignored)
};

/// The header, or why the record is none: an unreadable record, a figure
/// column missing or given twice (each named).
struct HeaderReading {
  std::optional<FigureHeader> header;
  std::string problem;
};
HeaderReading readHeader(const CsvRecord& record);

/// The record's figure texts, or why the record has none, naming the field at
/// fault: a field that cannot be read, a missing field (the first in the
/// file's column order), or a field beyond the header's that is not empty.
/// The texts are taken as typed.
std::optional<RecordError> readFigureTexts(const CsvRecord& record, const FigureHeader& header, FigureRecord& figure);

/// The fault to report for a figure whose run stopped with `runFault`: a
/// coordinate or angle not written as a number in a column before the run
/// fault's (or anywhere, when the run fault concerns no one column), the first
/// in the file's column order; otherwise the run fault. The run checks its
/// values in its own order; a user reads a file from left to right.
RecordError firstFault(const FigureHeader& header, const FigureRecord& figure, RecordError runFault);

/// The record's name field when it has one that a message may show.
std::optional<std::string_view> recordName(const CsvRecord& record, const FigureHeader& header);

}  // namespace velmora
