#include "export/cass_coordinates.h"

#include <fmt/format.h>

#include <array>

namespace velmora {
namespace {

struct NamedPoint {
  std::string name;
  PlanePoint at;
};

void appendLine(std::string& out, const NamedPoint& point) {
  out += fmt::format("{},,{:.3f},{:.3f},\r\n", point.name, point.at.y, point.at.x);
}

}  // namespace

CassText cassCoordinates(const ExportFigure& figure) {
  const KnownPoints& known = figure.observations.known;
  const std::array<NamedPoint, 4> points{{{"A", known[0]},
                                          {"B", known[1]},
                                          {"C", known[2]},
                                          {exportedPointName(figure.state), {figure.state.xp1, figure.state.yp1}}}};
  CassText file;
  for (const NamedPoint& point : points) {
    if (point.name.find_first_of(",\"\r\n") != std::string::npos) {
      file.refusal = "点名“" + point.name + "”含有逗号、引号或换行，CASS 坐标文件没有引号规则，不能写出";
      return file;
    }
    appendLine(file.text, point);
  }
  return file;
}

}  // namespace velmora
