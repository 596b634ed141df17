#include "export/figure_export.h"

#include "export/atomic_file.h"
#include "export/cass_coordinates.h"
#include "export/export_format.h"
#include "export/figure_drawing.h"
#include "export/gama_local_xml.h"
#include "export/result_workbook.h"
#include "input/gb18030_encoder.h"

namespace velmora {
namespace {

std::string writeWorkbook(const std::string& path, const ExportFigure& figure) {
  ResultWorkbook book(path, {.check = figure.review.check.has_value(), .gradeVerdict = figure.grade != nullptr});
  const std::string name = exportedPointName(figure.state);
  book.addResult({std::nullopt, name, figure.state, figure.review});
  return book.close();
}

std::string writeCass(const std::string& path, const ExportFigure& figure, TextEncoding encoding) {
  const CassText cass = cassCoordinates(figure);
  if (!cass.refusal.empty()) return cass.refusal;
  if (encoding == TextEncoding::Utf8) return writeFileAtomically(path, cass.text);
  const std::optional<std::string> bytes = utf8ToGb18030(cass.text);
  if (!bytes) return "点名不是有效的 UTF-8，不能换成 GB18030";
  return writeFileAtomically(path, *bytes);
}

std::string writeGama(const std::string& path, const ExportFigure& figure) {
  const GamaText gama = gamaLocalXml(figure);
  return gama.refusal.empty() ? writeFileAtomically(path, gama.text) : gama.refusal;
}

}  // namespace

std::string writeFigureExport(const std::string& path, const ExportFigure& figure, TextEncoding encoding) {
  const std::optional<ExportFormat> format = exportFormatOf(path);
  if (!format) return "不认识的扩展名（可用 " + knownExportExtensions() + "）";
  switch (*format) {
    case ExportFormat::Workbook: return writeWorkbook(path, figure);
    case ExportFormat::GamaLocal: return writeGama(path, figure);
    case ExportFormat::Drawing: return writeFigureDrawing(path, figure);
    case ExportFormat::CassCoordinates: return writeCass(path, figure, encoding);
  }
  return "不认识的格式";
}

}  // namespace velmora
