#include "ui/qt/screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {

QRect fittedGeometry(QSize natural, QMargins frame, QRect available, QPoint wanted) {
  const QSize room = available.size().shrunkBy(frame);
  const QSize size = natural.boundedTo(room).expandedTo(QSize(1, 1));
  const QSize framed = size.grownBy(frame);
  const int left = std::clamp(wanted.x(), available.left(), available.left() + available.width() - framed.width());
  const int top = std::clamp(wanted.y(), available.top(), available.top() + available.height() - framed.height());
  return {QPoint(left + frame.left(), top + frame.top()), size};
}

void boundToScreen(QWidget& window, const QWidget* near) {
  const QScreen* screen = near != nullptr ? near->screen() : window.screen();
  const QSize room = screen->availableGeometry().size().shrunkBy(kGuessedFrame);
  window.resize(window.size().boundedTo(room));
}

bool fitsInside(QRect frameGeometry, QRect available) { return available.contains(frameGeometry); }

}  // namespace velmora
