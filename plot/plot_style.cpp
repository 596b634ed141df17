#include "plot/plot_style.h"

namespace velmora {

StrokeStyle strokeStyle(StrokeRole role) {
  switch (role) {
    case StrokeRole::Side: return {kKnownPointColour, 2.0, false};
    case StrokeRole::Ray: return {"#555555", 1.2, true};
    case StrokeRole::ScaleBar: return {"#000000", 2.0, false};
    case StrokeRole::NorthArrow: return {"#000000", 1.6, false};
  }
  return {"#000000", 1.0, false};
}

TextStyle textStyle(TextRole role) {
  switch (role) {
    case TextRole::Title: return {"#000000", 17.0, true};
    case TextRole::PointName: return {"#000000", 17.0, true};
    case TextRole::AngleName: return {"#2e7d32", 12.0, false};
    case TextRole::EllipseFactor: return {kEllipseColour, 13.0, false};
    case TextRole::ScaleLabel: return {"#000000", 13.0, false};
    case TextRole::North: return {"#000000", 16.0, true};
  }
  return {"#000000", 12.0, false};
}

}  // namespace velmora
