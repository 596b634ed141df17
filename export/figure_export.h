// One complete run written to a file in the format its extension names
// (export_format.h), replaced whole or not at all (atomic_file.h).
#pragma once

#include <string>

#include "export/export_figure.h"
#include "input/text_encoding.h"

namespace velmora {

/// Why `path` was not written, or empty when it was. `encoding` is the CASS
/// file's: GB18030 unless UTF-8 is asked for; the other formats are UTF-8.
std::string writeFigureExport(const std::string& path, const ExportFigure& figure, TextEncoding encoding);

}  // namespace velmora
