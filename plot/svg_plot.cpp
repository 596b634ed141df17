#include "plot/svg_plot.h"

#include "engine/number_text.h"
#include "input/utf8_text.h"
#include "plot/plot_style.h"

namespace velmora {
namespace {

/// A coordinate to a hundredth of a unit, whatever the locale (no "-0.00").
std::string number(double value) { return fixedText(value, 2); }

/// Text for XML: markup characters escaped, control characters dropped, and
/// bytes that are not UTF-8 replaced by U+FFFD, so the document stays well-formed.
std::string escaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    switch (const char c = text[i]) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters other than tab are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
          i += appendUtf8Character(out, text, i);
          continue;
        }
    }
    ++i;
  }
  return out;
}

std::string lineElement(const PlotLine& line) {
  const StrokeStyle style = strokeStyle(line.role);
  return "<line x1=\"" + number(line.from.x) + "\" y1=\"" + number(line.from.y) + "\" x2=\"" + number(line.to.x) +
         "\" y2=\"" + number(line.to.y) + "\" stroke=\"" + std::string(style.colour) + "\" stroke-width=\"" +
         number(style.width) + "\"" + (style.dashed ? " stroke-dasharray=\"6 4\"" : "") + "/>\n";
}

std::string markerElement(const PlotMarker& marker) {
  const double s = kMarkerSize;
  const std::string x = number(marker.at.x), y = number(marker.at.y);
  if (!marker.known) {
    return "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"" + number(0.7 * s) + "\" fill=\"#ffffff\" stroke=\"" +
           std::string(kNewPointColour) + "\" stroke-width=\"2\"/>\n";
  }
  const std::string points = number(marker.at.x) + "," + number(marker.at.y - s) + " " +
                             number(marker.at.x - 0.87 * s) + "," + number(marker.at.y + 0.5 * s) + " " +
                             number(marker.at.x + 0.87 * s) + "," + number(marker.at.y + 0.5 * s);
  return "<polygon points=\"" + points + "\" fill=\"#ffffff\" stroke=\"" + std::string(kKnownPointColour) +
         "\" stroke-width=\"2\"/>\n<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"1.5\" fill=\"" +
         std::string(kKnownPointColour) + "\"/>\n";
}

std::string ellipseElement(const PlotEllipse& e) {
  // rx lies along the x axis (east, azimuth 90); SVG turns clockwise on the page.
  return "<ellipse cx=\"" + number(e.centre.x) + "\" cy=\"" + number(e.centre.y) + "\" rx=\"" + number(e.semiMajor) +
         "\" ry=\"" + number(e.semiMinor) + "\" transform=\"rotate(" + number(e.azimuthDegrees - 90.0) + " " +
         number(e.centre.x) + " " + number(e.centre.y) + ")\" fill=\"" + std::string(kEllipseColour) +
         "\" fill-opacity=\"0.12\" stroke=\"" + std::string(kEllipseColour) + "\" stroke-width=\"1.5\"/>\n";
}

std::string textElement(const PlotText& text) {
  const TextStyle style = textStyle(text.role);
  const char* anchor = text.anchor == TextAnchor::Start ? "start" : text.anchor == TextAnchor::End ? "end" : "middle";
  // Centred on `at`: the baseline a third of the size below it.
  return "<text x=\"" + number(text.at.x) + "\" y=\"" + number(text.at.y + 0.35 * style.size) + "\" text-anchor=\"" +
         anchor + "\" font-size=\"" + number(style.size) + "\"" + (style.bold ? " font-weight=\"bold\"" : "") +
         " fill=\"" + std::string(style.colour) + "\">" + escaped(text.text) + "</text>\n";
}

/// The faces quoted for font-family, then the generic sans-serif.
std::string fontFamily() {
  std::string family;
  for (const std::string_view face : kPlotFontFaces) family += "'" + std::string(face) + "', ";
  return family + "sans-serif";
}

}  // namespace

std::string plotSvg(const PlotScene& scene) {
  const std::string w = number(scene.width), h = number(scene.height);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"" + fontFamily() + "\">\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
  for (const PlotLine& line : scene.lines) svg += lineElement(line);
  if (scene.ellipse) svg += ellipseElement(*scene.ellipse);
  for (const PlotMarker& marker : scene.markers) svg += markerElement(marker);
  for (const PlotText& text : scene.texts) svg += textElement(text);
  return svg + "</svg>\n";
}

}  // namespace velmora
