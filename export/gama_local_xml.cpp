#include "export/gama_local_xml.h"

#include <fmt/format.h>

#include <array>
#include <cmath>
#include <cstdint>

#include "input/text_escaping.h"

namespace velmora {
namespace {

/// One angle: standpoint, backsight, foresight as indices into A, B, C, P.
struct AngleSight {
  int from, bs, fs;
};

constexpr int kP = 3;

/// In triangle (K1, K2, P): the distance angle at K1 from K2 to P, the advance
/// angle at K2 from P to K1, the central angle at P from K1 to K2.
constexpr AngleArray<AngleSight> kSights{{{
    {0, 1, kP},
    {1, kP, 0},
    {kP, 0, 1},  // triangle ABP
    {1, 2, kP},
    {2, kP, 1},
    {kP, 1, 2},  // triangle BCP
    {2, 0, kP},
    {0, kP, 2},
    {kP, 2, 0},  // triangle CAP
}}};

}  // namespace

std::string gamaDegrees(double degrees) {
  constexpr std::int64_t kPerSecond = 1'000'000;
  const auto micro = static_cast<std::int64_t>(std::llround(degrees * 3600.0 * kPerSecond));
  const std::int64_t seconds = micro / kPerSecond;
  return fmt::format("{}-{:02}-{:02}.{:06}", seconds / 3600, seconds / 60 % 60, seconds % 60, micro % kPerSecond);
}

GamaText gamaLocalXml(const ExportFigure& figure) {
  const std::string p = exportedPointName(figure.state);
  if (p == "A" || p == "B" || p == "C") return {"", "待定点名“" + p + "”与已知点同名，网中的点名必须各不相同"};
  const std::array<std::string, 4> ids{"A", "B", "C", xmlText(p)};
  const KnownPoints& known = figure.observations.known;
  const double stdev = figure.grade ? figure.grade->angleErrorSeconds : 1.0;
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gama-local xmlns=\"http://www.gnu.org/software/gama/gama-local\">\n"
      "<network axes-xy=\"ne\" angles=\"left-handed\">\n"
      "<description>Velmora: " +
      xmlText(p) + "</description>\n<points-observations>\n";
  for (std::size_t i = 0; i < known.size(); ++i) {
    out += fmt::format("<point id=\"{}\" x=\"{:.17g}\" y=\"{:.17g}\" fix=\"xy\"/>\n", ids[i], known[i].x, known[i].y);
  }
  out += fmt::format("<point id=\"{}\" x=\"{:.17g}\" y=\"{:.17g}\" adj=\"xy\"/>\n", ids[kP], figure.state.xp1,
                     figure.state.yp1);
  out += "<obs>\n";
  for (std::size_t n = 1; n <= kSights.size(); ++n) {
    const AngleSight& sight = kSights[n];
    out += fmt::format("<angle from=\"{}\" bs=\"{}\" fs=\"{}\" val=\"{}\" stdev=\"{}\"/>\n", ids[sight.from],
                       ids[sight.bs], ids[sight.fs], gamaDegrees(figure.observations.observedDegrees[n]), stdev);
  }
  out += "</obs>\n</points-observations>\n</network>\n</gama-local>\n";
  return {out, ""};
}

}  // namespace velmora
