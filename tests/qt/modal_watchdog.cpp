#include "modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>

namespace velmora::qt_tests {
namespace {

constexpr int kPollMilliseconds = 20;

QString describe(QWidget& dialog) {
  QString text = dialog.windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) return text + ": " + box->text();
  if (auto* label = dialog.findChild<QLabel*>()) text += ": " + label->text();
  return text;
}

void dismiss(QWidget& dialog) {
  if (auto* modalDialog = qobject_cast<QDialog*>(&dialog)) {
    modalDialog->reject();
  } else {
    dialog.close();
  }
}

}  // namespace

ModalWatchdog::ModalWatchdog() {
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::inspect);
  timer_.start(kPollMilliseconds);
}

void ModalWatchdog::expectDialog(std::function<void(QWidget& dialog)> handler) {
  handlers_.push_back(std::move(handler));
}

void ModalWatchdog::reset() {
  handlers_.clear();
  unexpected_.clear();
}

QString ModalWatchdog::takeFaults() {
  QStringList faults = unexpected_;
  if (!handlers_.empty()) faults.append(QStringLiteral("%1 announced dialog(s) never opened").arg(handlers_.size()));
  reset();
  return faults.join('\n');
}

void ModalWatchdog::inspect() {
  QWidget* dialog = QApplication::activeModalWidget();
  // A handled dialog may take a moment to close; it must not count twice.
  if (dialog == nullptr || dialog == handled_ || !dialog->isVisible()) return;
  handled_ = dialog;
  connect(dialog, &QObject::destroyed, this, [this] { handled_ = nullptr; });
  if (handlers_.empty()) {
    unexpected_.append(describe(*dialog));
    dismiss(*dialog);
    return;
  }
  const auto handler = std::move(handlers_.front());
  handlers_.pop_front();
  handler(*dialog);
}

}  // namespace velmora::qt_tests
