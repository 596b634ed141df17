#include "ui/qt/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "ui/compute_run.h"
#include "ui/qt/form_layout.h"
#include "ui/qt/form_lines.h"
#include "ui/qt/report_printing.h"

namespace velmora {
namespace {

/// The client area shows the whole layout with a margin on the right and at the bottom.
constexpr int kMarginTwips = 600;

}  // namespace

MainWindow::MainWindow(std::unique_ptr<OperatorChannel> channel, QWidget* parent)
    : QWidget(parent), channel_(std::move(channel)), controls_(*this) {
  setWindowTitle(QString::fromUtf8(kFormCaption.data(), static_cast<qsizetype>(kFormCaption.size())));
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(kFormBackground.red, kFormBackground.green, kFormBackground.blue));
  setPalette(background);
  setAutoFillBackground(true);

  // The 3-pixel frame lines are centred on the layout's last row and column.
  setMinimumSize(twipsToPixels(kLayoutWidthTwips) + 2, twipsToPixels(kLayoutHeightTwips) + 2);
  resize(twipsToPixels(kLayoutWidthTwips + kMarginTwips), twipsToPixels(kLayoutHeightTwips + kMarginTwips));

  connect(&controls_.button("Command1"), &QPushButton::clicked, this, [this] { compute(); });
  connect(&controls_.button("Command2"), &QPushButton::clicked, this, &QWidget::close);
  connect(&controls_.button("Command3"), &QPushButton::clicked, this, [this] { print(); });
  controls_.firstField().setFocus();
}

std::optional<std::string> MainWindow::askOperator(const std::string& prompt) { return channel_->ask(*this, prompt); }

void MainWindow::setFieldText(std::string_view field, const std::string& text) {
  controls_.field(field).setText(QString::fromStdString(text));
}

void MainWindow::setLabelCaption(std::string_view label, const std::string& text) {
  FormControls::showCaption(controls_.label(label), QString::fromStdString(text));
}

RunOutcome MainWindow::compute() {
  RunOutcome outcome = computeRun(state_, *this);
  if (outcome.end != RunEnd::Complete) channel_->tell(*this, outcome.message);
  return outcome;
}

PrintOutcome MainWindow::print() {
  if (const auto refusal = reportRefusal(state_)) {
    channel_->tell(*this, *refusal);
    return PrintOutcome{false, *refusal};
  }
  PrintOutcome outcome{false, ""};
  const bool chosen =
      channel_->print(*this, [this, &outcome](QPrinter& printer) { outcome = printReportOn(printer, state_); });
  if (!chosen) return PrintOutcome{false, ""};
  if (!outcome.printed && !outcome.message.empty()) channel_->tell(*this, outcome.message);
  return outcome;
}

void MainWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  paintFormLines(painter);
}

}  // namespace velmora
