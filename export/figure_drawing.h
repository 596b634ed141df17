// The figure as a DXF drawing in survey coordinates, so that it overlays a CAD
// drawing at true position: east is the drawing's X, north its Y, metres.
// Layers 已知点 (A, B, C), 待定点 (P), 边 (the sides), 方向 (the rays to P),
// 误差椭圆 (the rigorous check's ellipse, magnified as the plot magnifies it,
// plot/ellipse_magnification.h, its factor written beside it) and 注记 (the names). AutoCAD 2000 DXF (AC1015, what
// dxflib writes): every non-ASCII character as a \U+XXXX escape, which CAD programs show as the character in any code
// page; text style VELMORA on SimSun.
#pragma once

#include <string>

#include "export/export_figure.h"

namespace velmora {

/// \U+XXXX for every character beyond ASCII: "点" gives "\U+70B9"; a
/// character beyond U+FFFF, which the escape cannot hold, gives "\U+FFFD".
std::string dxfText(std::string_view utf8);

/// Why `path` was not written, or empty when it was.
std::string writeFigureDrawing(const std::string& path, const ExportFigure& figure);

}  // namespace velmora
