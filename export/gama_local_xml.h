// The figure as a GNU Gama local network (gama-local XML): A, B, C fixed
// (fix="xy"), P free (adj="xy") with P from A as its approximation, and the
// nine observed angles from their standpoints. axes-xy="ne" (x north, y east)
// and clockwise angles (angles="left-handed"), as Velmora's own; each angle is
// fs direction minus bs direction, written in degrees as "d-mm-ss.ssssss" with
// its standard deviation in arc seconds: the grade's angle error, else 1".
#pragma once

#include <string>

#include "export/export_figure.h"

namespace velmora {

/// The document, or why it cannot be written (P named like a known point).
struct GamaText {
  std::string text;
  std::string refusal;
};

GamaText gamaLocalXml(const ExportFigure& figure);

/// "d-mm-ss.ssssss" for decimal degrees in [0, 360): rounded once to the
/// microsecond, so 59.9999995" carries into the next minute.
std::string gamaDegrees(double degrees);

}  // namespace velmora
