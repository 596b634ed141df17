#include "ui/qt/check_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "check/check_observations.h"
#include "check/check_text.h"
#include "check/rigorous_adjustment.h"
#include "ui/qt/font_faces.h"
#include "ui/qt/picture_export.h"
#include "ui/qt/workbench_settings.h"

namespace velmora {
namespace {

constexpr int kDocumentMarginPixels = 24;

QFont documentFont() {
  QFont font;
  QStringList families{QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
  families << sansFaces();
  font.setFamilies(families);
  font.setPointSize(10);
  return font;
}

}  // namespace

CheckReport makeCheckReport(const AdjustmentState& state) {
  const std::optional<CheckObservations> observations = state.lastRunComplete ? checkObservations(state) : std::nullopt;
  if (!observations) return {std::nullopt, "没有可检核的计算结果：请先完成一次计算。"};
  const CheckOutcome outcome = rigorousAdjustment(*observations);
  if (!outcome.check) return {std::nullopt, "严密平差检核不能计算：" + outcome.failure};
  return {checkText(state, *outcome.check), ""};
}

CheckDialog::CheckDialog(const CheckReport& report, WorkbenchSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      text_(QString::fromStdString(report.text.value_or(""))),
      view_(new QPlainTextEdit(this)) {
  setWindowTitle(QStringLiteral("严密平差与限差检核"));
  view_->setReadOnly(true);
  view_->setFont(documentFont());
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setPlainText(text_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* print = buttons->addButton(QStringLiteral("打印…"), QDialogButtonBox::ActionRole);
  QPushButton* exportButton = buttons->addButton(QStringLiteral("导出…"), QDialogButtonBox::ActionRole);
  connect(print, &QPushButton::clicked, this, &CheckDialog::printDocument);
  connect(exportButton, &QPushButton::clicked, this, &CheckDialog::exportDocument);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addWidget(buttons);
  resize(900, 600);
}

QString CheckDialog::exportTo(const QString& path) const {
  return exportPicture(path, documentSize(), [this](QPainter& painter) { paintDocument(painter); });
}

void CheckDialog::printDocument() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(this, windowTitle(), QStringLiteral("无法打开打印机「%1」").arg(printer.printerName()));
    return;
  }
  const double scale = printer.pageRect(QPrinter::DevicePixel).width() / static_cast<double>(documentSize().width());
  painter.scale(scale, scale);
  paintDocument(painter);
}

void CheckDialog::exportDocument() {
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("导出检核"), settings_.lastFolder(), pictureFileFilter());
  if (path.isEmpty()) return;
  if (const QString failure = exportTo(path); !failure.isEmpty()) QMessageBox::warning(this, windowTitle(), failure);
}

QSize CheckDialog::documentSize() const {
  const QFontMetrics metrics(documentFont());
  int width = 0;
  const QStringList lines = text_.split('\n');
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  return {width + 2 * kDocumentMarginPixels,
          static_cast<int>(lines.size()) * metrics.lineSpacing() + 2 * kDocumentMarginPixels};
}

void CheckDialog::paintDocument(QPainter& painter) const {
  painter.setFont(documentFont());
  painter.setPen(Qt::black);
  const QFontMetrics metrics(documentFont());
  int baseline = kDocumentMarginPixels + metrics.ascent();
  for (const QString& line : text_.split('\n')) {
    painter.drawText(kDocumentMarginPixels, baseline, line);
    baseline += metrics.lineSpacing();
  }
}

}  // namespace velmora
