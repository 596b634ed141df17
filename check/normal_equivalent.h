// Test statistics put on the standard normal scale: the two-sided tail of
// Student's t with an even number of degrees of freedom, and the normal deviate
// with the same two-sided tail. A studentized residual so converted passes
// 3.29 with the same 0.1 % chance as a normal one does.
#pragma once

namespace velmora {

/// P(|T| >= |t|) for T with `degreesOfFreedom` (even, at least 2) degrees of freedom.
double studentTwoSidedTail(double t, int degreesOfFreedom);

/// z >= 0 with P(|Z| >= z) = p for a standard normal Z; p in (0, 1], smaller
/// values taken as the smallest normal double.
double normalDeviateOfTwoSidedTail(double p);

/// The normal deviate with the same two-sided tail as t, with the sign of t.
double normalEquivalent(double t, int degreesOfFreedom);

}  // namespace velmora
