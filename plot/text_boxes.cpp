#include "plot/text_boxes.h"

#include <algorithm>

#include "plot/plot_style.h"

namespace velmora {
namespace {

/// Widths in units of the text size, by UTF-8 lead byte: one for CJK (three or more bytes).
double estimatedWidth(const std::string& text, double size) {
  double width = 0.0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    width += length >= 3 ? size : 0.6 * size;
    i += length;
  }
  return width;
}

}  // namespace

TextBox textBox(const PlotText& text) {
  const double size = textStyle(text.role).size;
  const double width = estimatedWidth(text.text, size);
  const double left = text.anchor == TextAnchor::Start ? text.at.x
                      : text.anchor == TextAnchor::End ? text.at.x - width
                                                       : text.at.x - 0.5 * width;
  return {left, text.at.y - 0.6 * size, left + width, text.at.y + 0.6 * size};
}

bool boxesOverlap(const TextBox& a, const TextBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool segmentCrossesBox(PlotPoint a, PlotPoint b, const TextBox& box) {
  // Liang-Barsky: clip the parameter range [0, 1] against the four edges.
  double enter = 0.0, leave = 1.0;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0.0) {
      if (q[k] < 0.0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
  }
  return enter <= leave;
}

}  // namespace velmora
