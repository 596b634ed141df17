// The room a text of a plot scene takes, estimated without a font: a CJK
// character as wide as the text is high, any other character six tenths of
// that; so that a label can be put where it crosses no line and no other text.
// Drawing units, x to the right, y down.
#pragma once

#include "plot/plot_scene.h"

namespace velmora {

struct TextBox {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
};

TextBox textBox(const PlotText& text);

bool boxesOverlap(const TextBox& a, const TextBox& b);

/// Whether the segment from `a` to `b` passes through the box.
bool segmentCrossesBox(PlotPoint a, PlotPoint b, const TextBox& box);

}  // namespace velmora
