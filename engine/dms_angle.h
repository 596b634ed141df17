// The packed sexagesimal notation d.mmss in which angles are typed (45.3012 is
// 45 degrees 30 minutes 12 seconds; further decimals are fractions of a second)
// and its conversion to decimal degrees.
#pragma once

namespace velmora {

/// A d.mmss value split as the conversion reads it; every part takes the sign
/// of the value. Seconds keep their fraction.
struct DmsParts {
  double degrees = 0.0;
  double minutes = 0.0;
  double seconds = 0.0;
};

/// D = trunc(x), minutes = trunc(P) - 100 D, seconds = S - 100 trunc(P) with
/// P = 100 x and S = 10000 x. A product P or S lying within a few units in the
/// last place of a whole number is taken as that whole number, so that 0.29
/// gives 29 minutes 0 seconds rather than 28 minutes and 100 seconds.
/// Non-finite parts only when x is so large that its products overflow.
DmsParts dmsParts(double x);

/// The parts in decimal degrees: (D + minutes / 60) + seconds / 3600.
double partsToDegrees(DmsParts parts);

/// Converts a d.mmss value to decimal degrees, in the classical form
/// partsToDegrees(dmsParts(x)) (-1.3 gives -1.5).
/// Returns a non-finite value only when x is so large that its products
/// overflow; callers check.
double dmsToDegrees(double x);

}  // namespace velmora
