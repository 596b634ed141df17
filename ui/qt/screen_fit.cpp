#include "ui/qt/screen_fit.h"

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

bool fitsInside(QRect frameGeometry, QRect available) { return available.contains(frameGeometry); }

}  // namespace velmora
