// Where a window goes on a screen that may be smaller than its natural size:
// the window keeps its natural size where that fits inside the screen's
// available area with the window manager's frame around it; otherwise it
// takes as much of the area as there is. Its frame always lies inside the
// area, so that the title bar, the menus and the status bar can be reached.
// Logical pixels (a scale factor of 2 halves the area), frame excluded.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace velmora {

/// The frame a window manager puts around a window that has not been shown
/// yet, so that none is known: a title bar and thin borders, generously.
inline constexpr QMargins kGuessedFrame{8, 36, 8, 8};

/// The window's geometry (frame excluded) for a window of `natural` size with
/// `frame` around it, placed at `wanted` (its frame's top left) when it fits
/// there, inside `available`.
QRect fittedGeometry(QSize natural, QMargins frame, QRect available, QPoint wanted);

/// Shrinks `window` (a dialog, the manual) where its size with a frame does not
/// fit the available area of the screen it will show on: that of `near` when given.
void boundToScreen(QWidget& window, const QWidget* near);

/// Whether a window whose frame covers `frameGeometry` lies wholly inside `available`.
bool fitsInside(QRect frameGeometry, QRect available);

}  // namespace velmora
