#include "export/figure_drawing.h"

#include <dxflib/dl_dxf.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>

#include "export/atomic_file.h"
#include "plot/ellipse_magnification.h"

namespace velmora {
namespace {

constexpr std::string_view kKnownLayer = "已知点";
constexpr std::string_view kNewLayer = "待定点";
constexpr std::string_view kSideLayer = "边";
constexpr std::string_view kRayLayer = "方向";
constexpr std::string_view kEllipseLayer = "误差椭圆";
constexpr std::string_view kNoteLayer = "注记";
constexpr std::array<std::string_view, 6> kLayers{kKnownLayer, kNewLayer,     kSideLayer,
                                                  kRayLayer,   kEllipseLayer, kNoteLayer};
constexpr std::array<int, 6> kLayerColours{1, 3, 7, 4, 6, 2};  // red, green, white, cyan, magenta, yellow
constexpr const char* kStyle = "VELMORA";

/// One code point from `text` at `at`, which moves past it; U+FFFD for a bad byte.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return 0xFFFD;
    point = (point << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return lead >= 0x80 && lead < 0xC0 ? 0xFFFD : point;
}

struct Drawing {
  DL_Dxf& dxf;  ///< not copied: dxflib leaves some of its members unset
  DL_WriterA& writer;
  double textHeight;

  DL_Attributes on(std::string_view layer) const { return DL_Attributes(dxfText(layer), 256, 0, "BYLAYER", 1.0); }

  void point(PlanePoint at, std::string_view layer) { dxf.writePoint(writer, DL_PointData(at.y, at.x, 0), on(layer)); }
  void line(PlanePoint from, PlanePoint to, std::string_view layer) {
    dxf.writeLine(writer, DL_LineData(from.y, from.x, 0, to.y, to.x, 0), on(layer));
  }
  void text(PlanePoint at, std::string_view content) {
    const double east = at.y + textHeight / 2;
    const double north = at.x + textHeight / 2;
    dxf.writeText(writer,
                  DL_TextData(east, north, 0, east, north, 0, textHeight, 1, 0, 0, 0, dxfText(content), kStyle, 0),
                  on(kNoteLayer));
  }
};

void writeTables(Drawing& d) {
  d.dxf.writeHeader(d.writer);
  d.writer.sectionEnd();
  d.writer.sectionTables();
  d.dxf.writeVPort(d.writer);
  d.writer.tableLinetypes(3);
  d.dxf.writeLinetype(d.writer, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
  d.dxf.writeLinetype(d.writer, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
  d.dxf.writeLinetype(d.writer, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  d.writer.tableEnd();
  d.writer.tableLayers(static_cast<int>(kLayers.size() + 1));
  d.dxf.writeLayer(d.writer, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
  for (std::size_t i = 0; i < kLayers.size(); ++i) {
    d.dxf.writeLayer(d.writer, DL_LayerData(dxfText(kLayers[i]), 0),
                     DL_Attributes("", kLayerColours[i], 0, "CONTINUOUS", 1.0));
  }
  d.writer.tableEnd();
  d.writer.tableStyle(1);
  d.dxf.writeStyle(d.writer, DL_StyleData(kStyle, 0, 0.0, 1.0, 0.0, 0, d.textHeight, "simsun.ttc", ""));
  d.writer.tableEnd();
  d.dxf.writeView(d.writer);
  d.dxf.writeUcs(d.writer);
  d.writer.tableAppid(1);
  d.dxf.writeAppid(d.writer, "ACAD");
  d.writer.tableEnd();
  d.dxf.writeDimStyle(d.writer, 1, 1, 1, 1, 1);
  d.dxf.writeBlockRecord(d.writer);
  d.writer.tableEnd();
  d.writer.sectionEnd();
  d.writer.sectionBlocks();
  for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    d.dxf.writeBlock(d.writer, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
    d.dxf.writeEndBlock(d.writer, block);
  }
  d.writer.sectionEnd();
}

double distance(PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

/// The check's ellipse at P, magnified as the plot magnifies it (over the figure of A, B, C and the check's P).
void writeEllipse(Drawing& d, PlanePoint p, const KnownPoints& known, const RigorousCheck& check) {
  const ErrorEllipse& ellipse = check.ellipse;
  const std::array<PlanePoint, 4> figure{known[0], known[1], known[2], check.p};
  const double factor = ellipseMagnification(ellipse.a, figureExtentMetres(figure));
  const double semiMajorMetres = ellipse.a / 1000.0 * factor;
  const double azimuth = ellipse.azimuth * std::numbers::pi / 180.0;
  const double ratio = ellipse.a > 0 ? std::max(ellipse.b / ellipse.a, 1e-6) : 1.0;
  d.dxf.writeEllipse(d.writer,
                     DL_EllipseData(p.y, p.x, 0, semiMajorMetres * std::sin(azimuth),
                                    semiMajorMetres * std::cos(azimuth), 0, ratio, 0.0, 2 * std::numbers::pi),
                     d.on(kEllipseLayer));
  d.text({p.x - semiMajorMetres - 2 * d.textHeight, p.y}, ellipseFactorText(factor));
}

}  // namespace

std::string dxfText(std::string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t point = nextCodePoint(utf8, at);
    if (point < 0x80)
      out += static_cast<char>(point);
    else
      out += fmt::format("\\U+{:04X}", point > 0xFFFF ? 0xFFFDU : static_cast<unsigned>(point));
  }
  return out;
}

std::string writeFigureDrawing(const std::string& path, const ExportFigure& figure) {
  AtomicFile file(path);
  if (!file.problem().empty()) return file.problem();
  const KnownPoints& known = figure.observations.known;
  const PlanePoint p{figure.state.xp1, figure.state.yp1};
  const double shortestSide =
      std::min({distance(known[0], known[1]), distance(known[1], known[2]), distance(known[2], known[0])});
  DL_Dxf dxf;
  errno = 0;
  const std::unique_ptr<DL_WriterA> writer(dxf.out(file.temporaryPath().c_str(), DL_VERSION_2000));
  if (!writer || writer->openFailed()) return "不能创建临时文件";
  Drawing d{dxf, *writer, std::max(shortestSide / 100.0, 0.1)};
  writeTables(d);
  d.writer.sectionEntities();
  constexpr std::array<std::string_view, 3> kNames{"A", "B", "C"};
  for (std::size_t i = 0; i < known.size(); ++i) {
    d.point(known[i], kKnownLayer);
    d.text(known[i], kNames[i]);
    d.line(known[i], known[(i + 1) % known.size()], kSideLayer);
    d.line(known[i], p, kRayLayer);
  }
  d.point(p, kNewLayer);
  d.text(p, exportedPointName(figure.state));
  if (figure.review.check) writeEllipse(d, p, known, *figure.review.check);
  d.writer.sectionEnd();
  d.dxf.writeObjects(d.writer);
  d.dxf.writeObjectsEnd(d.writer);
  d.writer.dxfEOF();
  d.writer.close();
  if (d.writer.openFailed()) return errno != 0 ? std::strerror(errno) : "写出出错";
  return file.commit();
}

}  // namespace velmora
