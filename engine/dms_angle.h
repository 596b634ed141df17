// The packed sexagesimal notation d.mmss in which angles are typed (45.3012 is
// 45 degrees 30 minutes 12 seconds; further decimals are fractions of a second)
// and its conversion to decimal degrees.
#pragma once

namespace velmora {

/// Converts a d.mmss value to decimal degrees, in the classical form
/// (D + (trunc(P) - 100 D) / 60) + (S - 100 trunc(P)) / 3600 with D = trunc(x),
/// P = 100 x, S = 10000 x. A product P or S lying within a few units in the last
/// place of a whole number is taken as that whole number, so that 0.29 gives
/// 29 minutes 0 seconds rather than 28 minutes and 100 seconds. Every part
/// takes the sign of x (-1.3 gives -1.5). Returns a non-finite value only when
/// x is so large that its products overflow; callers check.
double dmsToDegrees(double x);

}  // namespace velmora
