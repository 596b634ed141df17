// The worksheet on Qt's rich text, for the screen, the printer and PDF: the
// HTML form as a QTextDocument in the Noto CJK faces, its tables' header rows
// repeated on every page a table runs over (<thead>), and the plot painted
// into an image the page names, since Qt's rich text draws no inline SVG.
#pragma once

#include <QString>
#include <memory>

#include "plot/plot_scene.h"
#include "worksheet/worksheet_document.h"

class QPagedPaintDevice;
class QTextDocument;

namespace velmora {

/// The document to show or print; `scene`, when given, is the plot's picture.
std::unique_ptr<QTextDocument> worksheetTextDocument(const WorksheetDocument& worksheet, const PlotScene* scene);

/// Lays the document out on A4 pages of `device` with print margins and paints every page.
void printWorksheetOn(QPagedPaintDevice& device, QTextDocument& document);

/// Writes the worksheet to `path`, replaced whole or not at all: PDF (fonts
/// embedded) for .pdf, the HTML form with the plot's SVG inline otherwise.
/// Empty when done, else the reason.
QString writeWorksheetFile(const QString& path, const WorksheetDocument& worksheet, const PlotScene* scene);

}  // namespace velmora
