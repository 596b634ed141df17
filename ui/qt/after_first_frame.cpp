#include "ui/qt/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace velmora {
namespace {

/// Watches the window's expose events; a window paints its frame while it
/// handles the first one that leaves it exposed, so work queued then runs
/// after that frame.
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work)) {
    if (QWindow* handle = window.windowHandle()) handle->installEventFilter(this);
    QTimer::singleShot(kFirstFrameWaitMilliseconds, this, &FirstFrameWatch::run);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, &FirstFrameWatch::run);
    }
    return false;
  }

 private:
  void run() {
    if (!work_) return;
    const std::function<void()> work = std::exchange(work_, nullptr);
    deleteLater();
    work();
  }

  std::function<void()> work_;
};

}  // namespace

void runAfterFirstFrame(QWidget& window, std::function<void()> work) { new FirstFrameWatch(window, std::move(work)); }

}  // namespace velmora
