// Figures made from coordinates for tests: A, B, C and P given (x north,
// y east, metres), the nine angles measured from them, optionally disturbed
// by a few arc seconds, and written as the replies of one Compute run.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora::testing_support {

struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

struct GeneratedFigure {
  PlanePoint a, b, c, p;
  /// Angles in the order of the prompts: per triangle distance, advance, central (degrees).
  std::array<double, 9> anglesDegrees{};
};

/// The interior angles of triangles ABP, BCP, CAP at the first known point, the
/// second known point and P, each disturbed by noiseSeconds[n] arc seconds.
GeneratedFigure measureFigure(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint p,
                              const std::array<double, 9>& noiseSeconds = {});

/// d.mmss text of an angle, to a tenth of an arc second ("45.30125").
std::string packedDms(double degrees);

/// The 32 replies of a run that confirms every value at once.
std::vector<std::string> confirmedReplies(const GeneratedFigure& figure, const std::string& pointName = "P");

}  // namespace velmora::testing_support
