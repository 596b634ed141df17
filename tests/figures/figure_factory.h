// Random figures for tests and benchmarks: A, B, C clockwise with sides of
// about a kilometre, P inside, coordinates written to a tenth of a millimetre,
// the nine angles measured from those coordinates (x north, y east, metres),
// disturbed on request, and written in d.mmss as an operator would type them.
#pragma once

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace velmora::figures {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

struct FigureOptions {
  double noiseSeconds = 0.0;   ///< standard deviation of the normal noise added to each angle
  int secondDecimals = 2;      ///< decimals of the arc seconds in the d.mmss texts
  std::size_t grossAngle = 0;  ///< 1..9: the angle that receives grossSeconds; 0: none
  double grossSeconds = 0.0;
};

struct Figure {
  std::string name;
  Point a, b, c, p;                            ///< exactly the values of the coordinate texts; p true
  std::array<std::string, 6> coordinateTexts;  ///< xa, ya, xb, yb, xc, yc
  std::array<double, 9> trueDegrees{};         ///< a1, b1, c1, a2, ..., c3 from the coordinates
  std::array<std::string, 9> angleTexts;       ///< observed, d.mmss
};

Figure randomFigure(std::mt19937_64& random, const FigureOptions& options, std::string name);

/// The figure of the given points, each angle disturbed by noiseSeconds[n]
/// arc seconds and written to a tenth of a second.
Figure measuredFigure(std::string name, Point a, Point b, Point c, Point p,
                      const std::array<double, 9>& noiseSeconds = {});

/// The interior angle at `at` between the directions to p1 and p2, degrees.
double interiorAngle(Point at, Point p1, Point p2);

/// d.mmss text with `secondDecimals` decimals of arc seconds ("45.301234" for 2).
std::string packedDms(double degrees, int secondDecimals);

/// "name,xa,ya,xb,yb,xc,yc,a1,b1,c1,a2,b2,c2,a3,b3,c3"
std::string csvHeader();
/// The figure as one CSV line without its line break.
std::string csvLine(const Figure& figure);
/// The 32 replies of an interactive run that confirms every value at once.
std::vector<std::string> confirmedReplies(const Figure& figure);

}  // namespace velmora::figures
