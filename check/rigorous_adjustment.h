// The rigorous cross-check: least squares by indirect observations of the nine
// observed angles, P's x and y unknown, A, B, C fixed, equal weights, iterated
// by Gauss-Newton. x north, y east (metres); angles in decimal degrees, residuals
// in arc seconds (adjusted minus observed), standard deviations in millimetres.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "check/error_ellipse.h"
#include "check/figure_angles.h"

namespace velmora {

inline constexpr int kCheckRedundancy = kObservedAngles - 2;
/// A standardized residual beyond this is flagged (two-sided 0.1 % of a normal law).
inline constexpr double kFlagThreshold = 3.29;

struct CheckObservations {
  KnownPoints known;                     ///< A, B, C
  AngleArray<double> observedDegrees{};  ///< angle 1..9: a1, b1, c1, a2, ..., c3
  PlanePoint start;                      ///< where the iteration begins
};

struct RigorousCheck {
  PlanePoint p;                       ///< adjusted P, metres
  double m0 = 0.0;                    ///< unit-weight error of an angle, arc seconds
  double mx = 0.0, my = 0.0;          ///< standard deviations of P's x and y, millimetres
  double mp = 0.0;                    ///< position error sqrt(mx^2 + my^2), millimetres
  ErrorEllipse ellipse;               ///< millimetres
  AngleArray<double> residuals{};     ///< adjusted - observed, arc seconds
  AngleArray<double> redundancy{};    ///< redundancy numbers, summing to 7
  AngleArray<double> standardized{};  ///< studentized residuals on the normal scale
  AngleArray<bool> flagged{};         ///< |standardized| > kFlagThreshold
  int iterations = 0;                 ///< Gauss-Newton steps taken
};

/// The check, or why it has none: the figure gives a singular normal matrix,
/// the iteration does not converge, or a value is not finite.
struct CheckOutcome {
  std::optional<RigorousCheck> check;
  std::string failure;  ///< empty when `check` holds a value
};

/// Iterates from `observations.start` until a step moves P by less than a
/// hundred-thousandth of a millimetre. An angle's standardized residual is its
/// studentized residual v / (s sqrt(r)), with s the unit-weight error of the
/// same adjustment without that angle (Student's t with 6 degrees of freedom),
/// given as the normal deviate of equal two-sided tail, so that 3.29 flags a
/// sound angle with the chance of 0.1 % that it has for a normal statistic.
/// (v over its own m0 could never pass sqrt(7) = 2.65; t itself would pass 3.29
/// for one sound angle in sixty.)
CheckOutcome rigorousAdjustment(const CheckObservations& observations);

}  // namespace velmora
