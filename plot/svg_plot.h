// A plot scene as SVG 1.1 text (UTF-8, well-formed XML): one element per
// line, marker and text of the scene, the ellipse rotated to its azimuth.
// Point names are typed text and are escaped; coordinates in drawing units.
#pragma once

#include <string>

#include "plot/plot_scene.h"

namespace velmora {

std::string plotSvg(const PlotScene& scene);

}  // namespace velmora
