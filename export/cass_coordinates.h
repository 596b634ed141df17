// The CASS coordinate file (.dat) that Chinese mapping software reads: one
// point a line, "点名,编码,东坐标,北坐标,高程" (name, code, east y, north x,
// height), here A, B, C as typed and P from A, metres to 0.001, code and
// height empty. The format has no quoting, so a name holding a comma, a
// double quote or a line break cannot be written and is refused by name.
#pragma once

#include <string>

#include "export/export_figure.h"

namespace velmora {

/// The file's text, or why it cannot be written.
struct CassText {
  std::string text;     ///< UTF-8, lines ending in CR LF
  std::string refusal;  ///< empty when `text` is the file
};

CassText cassCoordinates(const ExportFigure& figure);

}  // namespace velmora
