// A drawing of one complete run with its rigorous check, ready for any
// renderer: drawing units (an SVG's user units, a pixel at 96 dpi), x to the
// right and y down, so north is up and east to the right. Angles of the
// ellipse clockwise from north (up) in degrees, like the check's azimuth.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"

namespace velmora {

struct PlotPoint {
  double x = 0.0;  ///< to the right
  double y = 0.0;  ///< down
};

enum class StrokeRole { Side, Ray, ScaleBar, NorthArrow };

struct PlotLine {
  PlotPoint from, to;
  StrokeRole role = StrokeRole::Side;
};

enum class TextRole { Title, PointName, AngleName, EllipseFactor, ScaleLabel, North };
enum class TextAnchor { Start, Middle, End };

/// A text centred vertically on `at`; `anchor` says where `at` lies along the text.
struct PlotText {
  PlotPoint at;
  std::string text;  ///< UTF-8, as typed where it is a point name
  TextRole role = TextRole::AngleName;
  TextAnchor anchor = TextAnchor::Middle;
};

/// A known point (triangle symbol) or the new point (circle symbol).
struct PlotMarker {
  PlotPoint at;
  bool known = true;
};

struct PlotEllipse {
  PlotPoint centre;
  double semiMajor = 0.0;       ///< drawing units, magnified
  double semiMinor = 0.0;       ///< drawing units, magnified
  double azimuthDegrees = 0.0;  ///< of the major axis, clockwise from up
};

struct PlotScene {
  double width = 0.0, height = 0.0;  ///< drawing units
  std::vector<PlotLine> lines;
  std::vector<PlotMarker> markers;  ///< A, B, C, then P
  std::vector<PlotText> texts;
  std::optional<PlotEllipse> ellipse;  ///< none when the check's ellipse is a point

  double unitsPerMetre = 0.0;  ///< the figure's scale
  double ellipseFactor = 0.0;  ///< the ellipse's magnification; 0 without an ellipse
  double scaleBarMetres = 0.0;
};

/// The scene of `state` (a complete run) and its check: A, B, C and the
/// check's P to scale, sides and rays, point and angle names, P's error ellipse
/// magnified by a round factor so that its major axis is about a fifth of the
/// figure, a round scale bar, a north arrow and a title with the point name,
/// mb, md and the highest survey grade met.
PlotScene buildPlotScene(const AdjustmentState& state, const RigorousCheck& check);

}  // namespace velmora
