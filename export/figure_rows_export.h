// A batch view's rows out to a file, the extension picking the format (in any
// case): .xlsx a result workbook (sheet 成果), .csv batch's CSV with the
// highest grade met; the rows in the order given, replaced whole or not at all.
#pragma once

#include <span>
#include <string>

#include "batch/figure_rows.h"

namespace velmora {

/// Why `path` was not written, or empty when it was.
std::string writeFigureRows(const std::string& path, std::span<const FigureRow* const> rows);

}  // namespace velmora
