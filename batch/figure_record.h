// One figure of a batch file: the point name, the coordinates of A, B, C
// (x north, y east, metres) and the nine observed angles in d.mmss, each kept
// as the text an operator would type at its prompt, in the file's column order.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "batch/csv_record_reader.h"
#include "engine/adjustment_results.h"
#include "engine/figure_entry.h"

namespace velmora {

inline constexpr std::size_t kFigureColumns = 16;

/// The header's names: name, xa, ya, xb, yb, xc, yc, a1, b1, c1, a2, b2, c2, a3, b3, c3.
extern const std::array<std::string_view, kFigureColumns> kFigureColumnNames;

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

/// Empty when the record is the expected header (a UTF-8 byte order mark
/// before it is allowed), otherwise what is wrong with it.
std::string headerProblem(const CsvRecord& header);

/// The record's figure, or why the record has none: it is unreadable or has a
/// wrong number of fields. Its values are taken as typed; the adjustment
/// finds a value that is not a number, as the Compute run does for an operator.
std::optional<RecordError> readFigure(const CsvRecord& record, FigureRecord& figure);

}  // namespace velmora
