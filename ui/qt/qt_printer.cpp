#include "ui/qt/qt_printer.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <string_view>

#include "report/line_model.h"
#include "ui/qt/font_faces.h"

namespace velmora {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double twipsToDevice(int twips, int dotsPerInch) { return twips * dotsPerInch / kTwipsPerInch; }

}  // namespace

QtPrinter::QtPrinter(QPrinter& device) : device_(device), font_(printFont(faceName_, points_)) {}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::setPrintPosition(int xTwips, int yTwips) {
  x_ = twipsToDevice(xTwips, device_.logicalDpiX());
  y_ = twipsToDevice(yTwips, device_.logicalDpiY());
}

void QtPrinter::setPrintFontName(const std::string& faceName) {
  faceName_ = faceName;
  applyFont();
}

void QtPrinter::setPrintFontSize(int points) {
  points_ = points;
  applyFont();
}

void QtPrinter::printLine(const std::vector<PrintItem>& items) {
  beginDocument();
  if (failed_) return;
  const QFontMetricsF metrics(font_, &device_);
  const double column = columnWidth();
  const auto widthInColumns = [&](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) / column;
  };
  for (const PlacedLine& line : layOutLine(items, 1.0 + x_ / column, widthInColumns)) {
    startLineOnPage(metrics.lineSpacing());
    for (const PlacedItem& item : line.items) {
      const QPointF baseline((item.column - 1.0) * column, y_ + metrics.ascent());
      painter_.drawText(baseline, QString::fromStdString(item.text));
    }
    y_ += metrics.lineSpacing();
    x_ = 0.0;
  }
}

void QtPrinter::endPrintDocument() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::beginDocument() {
  if (painter_.isActive() || failed_) return;
  failed_ = !painter_.begin(&device_);
  painter_.setFont(font_);
}

void QtPrinter::applyFont() {
  font_ = QFont(printFont(faceName_, points_), &device_);
  if (painter_.isActive()) painter_.setFont(font_);
}

double QtPrinter::columnWidth() const { return QFontMetricsF(font_, &device_).averageCharWidth(); }

void QtPrinter::startLineOnPage(double lineHeight) {
  if (y_ + lineHeight <= device_.height()) return;
  device_.newPage();
  y_ = 0.0;
}

}  // namespace velmora
