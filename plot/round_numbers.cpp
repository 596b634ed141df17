#include "plot/round_numbers.h"

#include <array>
#include <cmath>

namespace velmora {
namespace {

constexpr std::array<double, 3> kMantissas = {1.0, 2.0, 5.0};

/// The power of ten d with d <= value < 10 d.
double decadeOf(double value) {
  double decade = std::pow(10.0, std::floor(std::log10(value)));
  if (decade > value) decade /= 10.0;
  if (10.0 * decade <= value) decade *= 10.0;
  return decade;
}

}  // namespace

double nearestRoundNumber(double value) {
  const double decade = decadeOf(value);
  double best = 10.0 * decade;
  for (const double mantissa : kMantissas) {
    const double candidate = mantissa * decade;
    if (std::fabs(std::log(candidate / value)) < std::fabs(std::log(best / value))) best = candidate;
  }
  return best;
}

double largestRoundNumberAtMost(double value) {
  const double decade = decadeOf(value);
  double best = decade;
  for (const double mantissa : kMantissas) {
    if (mantissa * decade <= value) best = mantissa * decade;
  }
  return best;
}

bool isRoundNumber(double value) {
  const double decade = decadeOf(value * (1.0 + 1e-9));
  for (const double mantissa : kMantissas) {
    if (std::fabs(value / decade - mantissa) <= 1e-9 * mantissa) return true;
  }
  return false;
}

}  // namespace velmora
