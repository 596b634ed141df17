// Paints a plot scene (standard C++ drawing units, y down) with QPainter into
// a rectangle of any paint device: scaled to fit with its proportions kept,
// centred, on a white ground. Looks as the scene's SVG does.
#pragma once

#include <QPainter>
#include <QRectF>

#include "plot/plot_scene.h"

namespace velmora {

void paintPlotScene(QPainter& painter, const PlotScene& scene, const QRectF& target);

}  // namespace velmora
