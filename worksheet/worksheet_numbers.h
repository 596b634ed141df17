// How the worksheet prints its numbers, as the method's tables print them:
// arc seconds to 0.01", metres to 0.001 m, coefficients, normal-equation
// terms and checks to 4 decimals, angles in d°m′s″ to 0.01". Each number is
// rounded once, halves to the even digit, and never shows a negative zero.
#pragma once

#include <string>

namespace velmora {

std::string secondsText(double seconds);
std::string metresText(double metres);
std::string coefficientText(double value);

/// Decimal degrees as d°m′s.ss″: rounded to 0.01″ first, then split, so
/// that minutes and seconds never read 60; a negative angle has one sign in front.
std::string dmsText(double degrees);

}  // namespace velmora
