// Line breaking of label captions: a caption wider than its label wraps at
// blanks, as the window system of the original layout did; the blanks at a
// break are dropped, the blanks that begin the caption are kept. A word wider
// than the label by itself is broken between characters.
#pragma once

#include <QString>
#include <functional>

namespace velmora {

/// The caption unchanged when it fits, else its lines joined by '\n'.
/// `widthOf` measures a text in the unit of `maxWidth` (pixels of the label's font).
QString wrapCaption(const QString& caption, double maxWidth, const std::function<double(const QString&)>& widthOf);

}  // namespace velmora
