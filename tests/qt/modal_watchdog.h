// Keeps a test from hanging on a modal dialog: it looks for one every few
// milliseconds, hands it to the handler the test announced, and closes any
// other one, remembering it so that the test fails instead of waiting forever.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace velmora::qt_tests {

class ModalWatchdog final : public QObject {
  Q_OBJECT

 public:
  ModalWatchdog();

  /// The next modal dialog goes to `handler`, which must close it.
  void expectDialog(std::function<void(QWidget& dialog)> handler);

  /// Dialogs that opened without an announced handler, by title and text.
  const QStringList& unexpectedDialogs() const { return unexpected_; }
  /// Forgets them and the announced dialogs that never opened, for the next test.
  void reset();
  /// Those dialogs and the announced ones that never opened, as one text (empty when the test met every dialog it
  /// announced and no other), forgotten for the next test.
  QString takeFaults();

 private:
  void inspect();

  QTimer timer_;
  std::deque<std::function<void(QWidget&)>> handlers_;
  QStringList unexpected_;
  QWidget* handled_ = nullptr;
};

}  // namespace velmora::qt_tests
