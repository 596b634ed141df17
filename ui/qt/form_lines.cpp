#include "ui/qt/form_lines.h"

#include <QPainter>
#include <QPen>

#include "ui/qt/form_layout.h"

namespace velmora {

void paintFormLines(QPainter& painter) {
  for (const LinePlacement& line : formLines()) {
    const QColor colour(line.colour.red, line.colour.green, line.colour.blue);
    painter.setPen(QPen(colour, line.widthPixels, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(twipsToPixels(line.x1Twips), twipsToPixels(line.y1Twips), twipsToPixels(line.x2Twips),
                     twipsToPixels(line.y2Twips));
  }
}

}  // namespace velmora
