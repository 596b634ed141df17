#include "ui/qt/plot_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "plot/plot_style.h"

namespace velmora {
namespace {

QColor colourOf(std::string_view hex) { return QColor(QString::fromLatin1(hex.data(), static_cast<int>(hex.size()))); }

QPointF pointOf(PlotPoint p) { return {p.x, p.y}; }

QPen penOf(const StrokeStyle& style) {
  QPen pen(colourOf(style.colour), style.width);
  pen.setCapStyle(Qt::FlatCap);
  if (style.dashed) pen.setDashPattern({6.0 / style.width, 4.0 / style.width});
  return pen;
}

QFont fontOf(const TextStyle& style) {
  QStringList faces;
  for (const std::string_view face : kPlotFontFaces)
    faces.append(QString::fromUtf8(face.data(), static_cast<int>(face.size())));
  faces.append(QStringLiteral("Sans Serif"));
  QFont font;
  font.setFamilies(faces);
  font.setPixelSize(static_cast<int>(std::lround(style.size)));
  font.setBold(style.bold);
  return font;
}

void paintEllipse(QPainter& painter, const PlotEllipse& e) {
  painter.save();
  painter.translate(pointOf(e.centre));
  // The x axis points east (azimuth 90); a positive rotation turns clockwise on the page.
  painter.rotate(e.azimuthDegrees - 90.0);
  QColor fill = colourOf(kEllipseColour);
  fill.setAlphaF(0.12F);
  painter.setBrush(fill);
  painter.setPen(QPen(colourOf(kEllipseColour), 1.5));
  painter.drawEllipse(QPointF(0.0, 0.0), e.semiMajor, e.semiMinor);
  painter.restore();
}

void paintMarker(QPainter& painter, const PlotMarker& marker) {
  const double s = kMarkerSize;
  const QPointF at = pointOf(marker.at);
  painter.setBrush(Qt::white);
  if (!marker.known) {
    painter.setPen(QPen(colourOf(kNewPointColour), 2.0));
    painter.drawEllipse(at, 0.7 * s, 0.7 * s);
    return;
  }
  painter.setPen(QPen(colourOf(kKnownPointColour), 2.0));
  painter.drawPolygon(
      QPolygonF({at + QPointF(0.0, -s), at + QPointF(-0.87 * s, 0.5 * s), at + QPointF(0.87 * s, 0.5 * s)}));
  painter.setBrush(colourOf(kKnownPointColour));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(at, 1.5, 1.5);
}

void paintText(QPainter& painter, const PlotText& text) {
  const TextStyle style = textStyle(text.role);
  const QFont font = fontOf(style);
  const QString content = QString::fromUtf8(text.text.data(), static_cast<int>(text.text.size()));
  const QFontMetricsF metrics(font, painter.device());
  const double width = metrics.horizontalAdvance(content);
  const double left = text.anchor == TextAnchor::Start ? text.at.x
                      : text.anchor == TextAnchor::End ? text.at.x - width
                                                       : text.at.x - 0.5 * width;
  painter.setFont(font);
  painter.setPen(colourOf(style.colour));
  painter.drawText(QPointF(left, text.at.y + 0.5 * (metrics.ascent() - metrics.descent())), content);
}

}  // namespace

void paintPlotScene(QPainter& painter, const PlotScene& scene, const QRectF& target) {
  if (scene.width <= 0.0 || scene.height <= 0.0 || target.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double scale = std::min(target.width() / scene.width, target.height() / scene.height);
  painter.translate(target.center());
  painter.scale(scale, scale);
  painter.translate(-0.5 * scene.width, -0.5 * scene.height);
  painter.fillRect(QRectF(0.0, 0.0, scene.width, scene.height), Qt::white);
  for (const PlotLine& line : scene.lines) {
    painter.setPen(penOf(strokeStyle(line.role)));
    painter.drawLine(pointOf(line.from), pointOf(line.to));
  }
  if (scene.ellipse) paintEllipse(painter, *scene.ellipse);
  for (const PlotMarker& marker : scene.markers) paintMarker(painter, marker);
  for (const PlotText& text : scene.texts) paintText(painter, text);
  painter.restore();
}

}  // namespace velmora
