// Work a window's first frame does not need, such as taking the recovery slot
// or decoding the window icon: it runs once that frame is on the screen, so
// that the window appears without waiting for it.
#pragma once

#include <functional>

class QWidget;

namespace velmora {

/// How long `runAfterFirstFrame` waits for a frame that never comes (a window
/// opened minimised, a display that exposes nothing) before it runs the work.
inline constexpr int kFirstFrameWaitMilliseconds = 1000;

/// Runs `work` once, from the event loop, just after the first frame of
/// `window` (a top-level window that has been shown) was painted; or after
/// kFirstFrameWaitMilliseconds when no frame comes. The work is dropped with
/// the window.
void runAfterFirstFrame(QWidget& window, std::function<void()> work);

}  // namespace velmora
