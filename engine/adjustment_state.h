// The record one Compute run fills and the Print command reads: the typed
// values, the shared results and their storage kinds. Coordinates: x north,
// y east, metres. Angles: typed in d.mmss, held in decimal degrees once converted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/constants.h"

namespace velmora {

/// Per-triangle array, index 0..3; element 0 exists and is never addressed.
template <typename T>
using TriangleArray = std::array<T, kTriangles + 1>;
/// Per-condition array, index 0..4; element 0 exists and is never addressed.
template <typename T>
using ConditionArray = std::array<T, kConditions + 1>;

struct AdjustmentState {
  // Typed: the operator's replies exactly as typed.
  std::string xa, ya, xb, yb, xc, yc;
  std::string pointName;

  // The angles of triangle i exactly as accepted at entry (d.mmss text). They
  // also carry the angle members' typed phase: the entry writes them, and the
  // conversion reads them into the decimal-degree members below.
  TriangleArray<std::string> distanceAngleDms{}, advanceAngleDms{}, centralAngleDms{};

  // Decimal degrees: converted, then first-group corrected, then adjusted.
  TriangleArray<double> distanceAngle{}, advanceAngle{}, centralAngle{};

  TriangleArray<float> w{};              ///< triangle misclosures, arc seconds
  ConditionArray<float> secondGroupW{};  ///< 1..3 arc seconds, 4 sixth-decimal log units
  ConditionArray<double> k{};            ///< correlates of the normal equations

  std::int16_t functionColumn = 0;  ///< 5, then 6; holds 6 after a complete run
  double invPb = 0.0;               ///< weight reciprocal of the azimuth to P
  double invPs = 0.0;               ///< weight reciprocal of log10 of the side to P
  float mb = 0.0F;                  ///< unit-weight angle error, arc seconds
  float md = 0.0F;                  ///< position error of P, millimetres
  std::optional<float> m;           ///< 1/m denominator; no number when md is zero (1/∞)

  double xp1 = 0.0, yp1 = 0.0;  ///< P from A, metres, unrounded
  double xp2 = 0.0, yp2 = 0.0;  ///< P from B
  double xp3 = 0.0, yp3 = 0.0;  ///< P from C

  /// True only after a run reached its last field; a report reads nothing else.
  bool lastRunComplete = false;

  /// Start of a run: every array member empty again, scalars kept.
  void recreateArrays();
};

}  // namespace velmora
