// How each part of a plot scene looks, shared by every renderer: stroke
// colours and widths, text sizes and weights, in drawing units; colours as
// "#rrggbb". The font families name CJK faces first, with fallbacks.
#pragma once

#include <array>
#include <string_view>

#include "plot/plot_scene.h"

namespace velmora {

struct StrokeStyle {
  std::string_view colour;
  double width = 1.0;
  bool dashed = false;
};

struct TextStyle {
  std::string_view colour;
  double size = 12.0;
  bool bold = false;
};

StrokeStyle strokeStyle(StrokeRole role);
TextStyle textStyle(TextRole role);

inline constexpr std::string_view kKnownPointColour = "#1f3a93";
inline constexpr std::string_view kNewPointColour = "#c0392b";
inline constexpr std::string_view kEllipseColour = "#c0392b";
inline constexpr double kMarkerSize = 7.0;  ///< a marker's half size

/// Font faces in order of preference: CJK sans faces of Linux, Windows and
/// macOS, then a serif CJK face; a renderer ends the list with its generic sans.
inline constexpr std::array<std::string_view, 7> kPlotFontFaces = {
    "Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei", "Microsoft YaHei", "PingFang SC",
    "SimHei",           "AR PL UMing CN"};

}  // namespace velmora
