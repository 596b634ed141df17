// The export formats, picked by the output file's extension (in any case):
// .xlsx Excel workbook, .xml GNU Gama local network, .dxf drawing, .dat CASS
// coordinate file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class ExportFormat { Workbook, GamaLocal, Drawing, CassCoordinates };

/// The format of `path`'s extension: "out.XLSX" is a workbook; "out", "out.txt" none.
std::optional<ExportFormat> exportFormatOf(std::string_view path);

/// The known extensions for a message: ".xlsx、.xml、.dxf、.dat".
std::string knownExportExtensions();

}  // namespace velmora
