#include "ui/qt/picture_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace velmora {
namespace {

constexpr int kBitmapScale = 2;
constexpr int kScreenDotsPerInch = 96;

QString cannotWrite(const QString& path) { return QStringLiteral("无法写入文件「%1」").arg(path); }

QString exportPng(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
  QImage image(size * kBitmapScale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kBitmapScale, kBitmapScale);
    paint(painter);
  }
  return image.save(path, "PNG") ? QString() : cannotWrite(path);
}

QString exportSvg(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
  QSvgGenerator generator;
  generator.setFileName(path);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(QStringLiteral("Velmora"));
  QPainter painter;
  if (!painter.begin(&generator)) return cannotWrite(path);
  paint(painter);
  painter.end();
  return QFileInfo(path).size() > 0 ? QString() : cannotWrite(path);
}

QString exportPdf(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
  QPdfWriter writer(path);
  writer.setResolution(kScreenDotsPerInch);
  writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
  writer.setPageMargins(QMarginsF());
  writer.setTitle(QStringLiteral("Velmora"));
  QPainter painter;
  if (!painter.begin(&writer)) return cannotWrite(path);
  // The page is given in points; the painter draws in pixels of 96 dpi.
  const double scale = writer.width() / static_cast<double>(size.width());
  painter.scale(scale, scale);
  paint(painter);
  painter.end();
  return QString();
}

}  // namespace

QString withChosenSuffix(const QString& path, const QString& chosenFilter) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
  const QRegularExpressionMatch suffix = firstPattern.match(chosenFilter);
  return suffix.hasMatch() ? path + '.' + suffix.captured(1) : path;
}

QString pictureFileFilter() { return QStringLiteral("PNG 图片 (*.png);;SVG 矢量图 (*.svg);;PDF 文件 (*.pdf)"); }

QString exportPicture(const QString& path, QSize size, const std::function<void(QPainter&)>& paint) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QStringLiteral("svg")) return exportSvg(path, size, paint);
  if (suffix == QStringLiteral("pdf")) return exportPdf(path, size, paint);
  if (suffix == QStringLiteral("png")) return exportPng(path, size, paint);
  return QStringLiteral("不支持的图片格式「%1」：请用 .png、.svg 或 .pdf").arg(suffix);
}

}  // namespace velmora
