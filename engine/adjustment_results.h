// What the adjustment of one figure takes and gives: typed texts in, every
// stored result out. x north, y east, metres; angles in decimal degrees once
// converted; misclosures in arc seconds (the side condition's in sixth-decimal
// log units); a float member holds the value rounded to single, read as stored.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/constants.h"
#include "engine/figure_entry.h"

namespace velmora {

/// Per-triangle array, index 0..3; element 0 exists and is never addressed.
template <typename T>
using TriangleArray = std::array<T, kTriangles + 1>;
/// Per-condition array, index 0..4; element 0 exists and is never addressed.
template <typename T>
using ConditionArray = std::array<T, kConditions + 1>;

/// The figure as typed: coordinates, and the angles of triangle i in d.mmss.
/// Views only: the texts live with the caller for as long as the adjustment runs.
struct FigureTexts {
  std::string_view xa, ya, xb, yb, xc, yc;
  TriangleArray<std::string_view> distanceAngle{}, advanceAngle{}, centralAngle{};
};

/// The figure's texts viewing `textOfRow(row)` for each row of kFigureEntryRows the adjustment reads.
template <typename TextOfRow>
FigureTexts figureTextsOf(TextOfRow textOfRow) {
  using E = FigureEntry;
  FigureTexts texts{textOfRow(entryRow(E::xa)), textOfRow(entryRow(E::ya)), textOfRow(entryRow(E::xb)),
                    textOfRow(entryRow(E::yb)), textOfRow(entryRow(E::xc)), textOfRow(entryRow(E::yc))};
  for (int i = 1; i <= kTriangles; ++i) {
    const auto t = static_cast<std::size_t>(i);
    texts.distanceAngle[t] = textOfRow(entryRow(distanceAngleEntry(i)));
    texts.advanceAngle[t] = textOfRow(entryRow(advanceAngleEntry(i)));
    texts.centralAngle[t] = textOfRow(entryRow(centralAngleEntry(i)));
  }
  return texts;
}

/// A point's numeric coordinates: x north, y east, metres.
struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

/// Every value the adjustment stores, under the method's own names.
struct AdjustmentResults {
  // The typed values as the run read them, each text read once: A, B, C, and
  // the observed angles in decimal degrees before any correction.
  std::array<PlanePoint, 3> knownPoints{};
  TriangleArray<double> observedDistanceAngle{}, observedAdvanceAngle{}, observedCentralAngle{};

  // Decimal degrees: converted, then first-group corrected, then adjusted.
  TriangleArray<double> distanceAngle{}, advanceAngle{}, centralAngle{};

  TriangleArray<float> w{};              ///< triangle misclosures, arc seconds
  ConditionArray<float> secondGroupW{};  ///< 1..3 arc seconds, 4 sixth-decimal log units
  ConditionArray<double> k{};            ///< correlates of the normal equations

  double invPb = 0.0;      ///< weight reciprocal of the azimuth to P
  double invPs = 0.0;      ///< weight reciprocal of log10 of the side to P
  float mb = 0.0F;         ///< unit-weight angle error, arc seconds
  float md = 0.0F;         ///< position error of P, millimetres
  std::optional<float> m;  ///< 1/m denominator; no number when md is zero (1/∞)

  double xp1 = 0.0, yp1 = 0.0;  ///< P from A, metres, unrounded
  double xp2 = 0.0, yp2 = 0.0;  ///< P from B
  double xp3 = 0.0, yp3 = 0.0;  ///< P from C
};

}  // namespace velmora
