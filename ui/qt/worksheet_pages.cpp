#include "ui/qt/worksheet_pages.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include "ui/qt/atomic_save.h"
#include "ui/qt/font_faces.h"
#include "ui/qt/plot_painter.h"
#include "worksheet/html_form.h"

namespace velmora {
namespace {

constexpr const char* kPlotImage = "velmora-worksheet-plot";
constexpr int kPlotPixelsAcross = 420;  // on the page, in the document's pixels
constexpr int kPlotOversampling = 3;    // painted finer than shown, so that print stays sharp
constexpr int kPdfDotsPerInch = 300;
constexpr double kMarginMillimetres = 15.0;

QImage plotImage(const PlotScene& scene, QSize size) {
  QImage image(size * kPlotOversampling, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paintPlotScene(painter, scene, QRectF(QPointF(), QSizeF(image.size())));
  return image;
}

QSize plotSize(const PlotScene& scene) {
  const double ratio = scene.width > 0 ? scene.height / scene.width : 1.0;
  return {kPlotPixelsAcross, static_cast<int>(kPlotPixelsAcross * ratio + 0.5)};
}

}  // namespace

std::unique_ptr<QTextDocument> worksheetTextDocument(const WorksheetDocument& worksheet, const PlotScene* scene) {
  auto document = std::make_unique<QTextDocument>();
  QFont font;
  font.setFamilies(worksheetFaces());
  font.setPointSize(9);
  document->setDefaultFont(font);
  HtmlOptions options{kPlotImage};
  if (scene) {
    const QSize size = plotSize(*scene);
    options.pictureWidth = size.width();
    options.pictureHeight = size.height();
    document->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kPlotImage)), plotImage(*scene, size));
  }
  document->setHtml(QString::fromStdString(worksheetHtml(worksheet, options)));
  return document;
}

void printWorksheetOn(QPagedPaintDevice& device, QTextDocument& document) {
  device.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                  QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                  QPageLayout::Millimeter));
  document.print(&device);
}

QString writeWorksheetFile(const QString& path, const WorksheetDocument& worksheet, const PlotScene* scene) {
  if (QFileInfo(path).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0) {
    return saveAtomically(path, worksheetHtml(worksheet));
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(QString::fromStdString(worksheet.title));
    writer.setCreator(QStringLiteral("Velmora"));
    const std::unique_ptr<QTextDocument> document = worksheetTextDocument(worksheet, scene);
    printWorksheetOn(writer, *document);
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace velmora
