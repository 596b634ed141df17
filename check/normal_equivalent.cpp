#include "check/normal_equivalent.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

namespace velmora {
namespace {

/// Lower-tail normal quantile by Acklam's rational approximation (relative
/// error about 1e-9) and one Halley step against erfc; q in (0, 0.5].
double lowerNormalQuantile(double q) {
  constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                          1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02, 6.680131188771972e+01,
                          -1.328068155288572e+01};
  constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                          -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00, 3.754408661907416e+00};
  double x = 0.0;
  if (q < 0.02425) {
    const double r = std::sqrt(-2.0 * std::log(q));
    x = (((((c[0] * r + c[1]) * r + c[2]) * r + c[3]) * r + c[4]) * r + c[5]) /
        ((((d[0] * r + d[1]) * r + d[2]) * r + d[3]) * r + 1.0);
  } else {
    const double s = q - 0.5;
    const double r = s * s;
    x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * s /
        (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
  }
  const double error = 0.5 * std::erfc(-x / std::numbers::sqrt2) - q;
  const double u = error * std::sqrt(2.0 * std::numbers::pi) * std::exp(x * x / 2.0);
  return x - u / (1.0 + x * u / 2.0);
}

}  // namespace

double studentTwoSidedTail(double t, int degreesOfFreedom) {
  // With u = n / (n + t^2) and x = sqrt(1 - u), the tail for even n is
  // 1 - x * sum_{k < n/2} c_k u^k = x * sum_{k >= n/2} c_k u^k, where
  // c_k = (2k)! / (4^k k!^2) are the coefficients of (1 - u)^(-1/2). The first
  // form suits large u (small t); the second keeps precision in the far tail.
  const double n = degreesOfFreedom;
  const double u = n / (n + t * t);
  const double x = std::sqrt(1.0 - u);
  const int half = degreesOfFreedom / 2;
  double coefficient = 1.0, power = 1.0, head = 0.0;
  for (int k = 0; k < half; ++k) {
    head += coefficient * power;
    coefficient *= (2.0 * k + 1.0) / (2.0 * k + 2.0);
    power *= u;
  }
  if (u > 0.5) return std::clamp(1.0 - x * head, 0.0, 1.0);
  double tail = 0.0;
  for (int k = half; coefficient * power > 1e-17 * tail; ++k) {
    tail += coefficient * power;
    coefficient *= (2.0 * k + 1.0) / (2.0 * k + 2.0);
    power *= u;
  }
  return x * tail;
}

double normalDeviateOfTwoSidedTail(double p) {
  if (p >= 1.0) return 0.0;
  return -lowerNormalQuantile(std::max(p, DBL_MIN) / 2.0);
}

double normalEquivalent(double t, int degreesOfFreedom) {
  const double z = normalDeviateOfTwoSidedTail(studentTwoSidedTail(t, degreesOfFreedom));
  return t < 0.0 ? -z : z;
}

}  // namespace velmora
