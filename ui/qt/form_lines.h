// The window's coloured straight lines (the results panel's frame and the
// figure's diagram), drawn on the window's background beneath its controls.
#pragma once

class QPainter;

namespace velmora {

/// Draws Line1 to Line15 of the layout; widths are in device-independent pixels.
void paintFormLines(QPainter& painter);

}  // namespace velmora
