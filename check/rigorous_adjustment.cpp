#include "check/rigorous_adjustment.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "check/normal_equivalent.h"

namespace velmora {
namespace {

constexpr int kMaxIterations = 30;
constexpr double kConvergedStepMetres = 1e-8;
/// A floor for the deleted-angle error, so that a figure whose other eight
/// angles agree exactly still gives a finite standardized residual.
constexpr double kSmallestDeletedErrorSeconds = 1e-6;

struct Symmetric2 {
  double xx = 0.0, xy = 0.0, yy = 0.0;
};

/// N = A^T A over the nine gradients, arc seconds squared per square metre.
Symmetric2 normalMatrix(const FigureAngles& angles) {
  Symmetric2 n;
  for (const auto& g : angles.gradient) {
    n.xx += g[0] * g[0];
    n.xy += g[0] * g[1];
    n.yy += g[1] * g[1];
  }
  return n;
}

/// The inverse, or nothing when the matrix is (nearly) singular.
std::optional<Symmetric2> inverse(const Symmetric2& n) {
  const double determinant = n.xx * n.yy - n.xy * n.xy;
  if (!(determinant > 1e-12 * n.xx * n.yy)) return std::nullopt;
  return Symmetric2{n.yy / determinant, -n.xy / determinant, n.xx / determinant};
}

AngleArray<double> residualsAt(const CheckObservations& o, const FigureAngles& angles) {
  AngleArray<double> v{};
  for (std::size_t n = 1; n <= v.size(); ++n) v[n] = angleDifferenceSeconds(angles.degrees[n], o.observedDegrees[n]);
  return v;
}

/// One Gauss-Newton step: the correction to P that best removes the residuals.
std::optional<PlanePoint> gaussNewtonStep(const CheckObservations& o, PlanePoint p) {
  const FigureAngles angles = figureAngles(o.known, p);
  const std::optional<Symmetric2> q = inverse(normalMatrix(angles));
  if (!q) return std::nullopt;
  const AngleArray<double> v = residualsAt(o, angles);
  double ux = 0.0, uy = 0.0;  // A^T l with l = observed - computed = -v
  for (std::size_t n = 1; n <= v.size(); ++n) {
    ux -= angles.gradient[n][0] * v[n];
    uy -= angles.gradient[n][1] * v[n];
  }
  return PlanePoint{q->xx * ux + q->xy * uy, q->xy * ux + q->yy * uy};
}

/// Redundancy numbers, standardized residuals and their flags.
void testResiduals(const FigureAngles& angles, const Symmetric2& q, double vv, RigorousCheck& check) {
  for (std::size_t n = 1; n <= check.residuals.size(); ++n) {
    const auto& g = angles.gradient[n];
    const double r = 1.0 - (g[0] * (q.xx * g[0] + q.xy * g[1]) + g[1] * (q.xy * g[0] + q.yy * g[1]));
    check.redundancy[n] = r;
    const double v = check.residuals[n];
    if (r <= 1e-9) continue;  // an angle nothing else controls cannot be tested
    const double deletedSquares = std::max(0.0, vv - v * v / r);
    const double deletedError =
        std::max(kSmallestDeletedErrorSeconds, std::sqrt(deletedSquares / (kCheckRedundancy - 1)));
    const double studentized = v / (deletedError * std::sqrt(r));
    check.standardized[n] = normalEquivalent(studentized, kCheckRedundancy - 1);
    check.flagged[n] = std::fabs(check.standardized[n]) > kFlagThreshold;
  }
}

/// Precision and tests at the converged point.
std::optional<RigorousCheck> assess(const CheckObservations& o, PlanePoint p, int iterations) {
  const FigureAngles angles = figureAngles(o.known, p);
  const std::optional<Symmetric2> q = inverse(normalMatrix(angles));
  if (!q) return std::nullopt;
  RigorousCheck check;
  check.p = p;
  check.iterations = iterations;
  check.residuals = residualsAt(o, angles);
  double vv = 0.0;
  for (const double v : check.residuals) vv += v * v;
  check.m0 = std::sqrt(vv / kCheckRedundancy);
  const double variance = check.m0 * check.m0 * 1e6;  // square millimetres per unit cofactor
  check.mx = std::sqrt(variance * q->xx);
  check.my = std::sqrt(variance * q->yy);
  check.mp = std::hypot(check.mx, check.my);
  check.ellipse = errorEllipse(variance * q->xx, variance * q->yy, variance * q->xy);
  testResiduals(angles, *q, vv, check);
  return check;
}

bool allFinite(const RigorousCheck& c) {
  double sum = c.p.x + c.p.y + c.m0 + c.mx + c.my + c.mp + c.ellipse.a + c.ellipse.b + c.ellipse.azimuth;
  for (std::size_t n = 1; n <= c.residuals.size(); ++n) sum += c.residuals[n] + c.redundancy[n] + c.standardized[n];
  return std::isfinite(sum);
}

}  // namespace

CheckOutcome rigorousAdjustment(const CheckObservations& observations) {
  PlanePoint p = observations.start;
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {std::nullopt, "起算点座标不是有限数"};
  for (int iterations = 1; iterations <= kMaxIterations; ++iterations) {
    const std::optional<PlanePoint> step = gaussNewtonStep(observations, p);
    if (!step) return {std::nullopt, "法方程式奇异：图形不能确定待定点"};
    p = {p.x + step->x, p.y + step->y};
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {std::nullopt, "迭代发散"};
    if (std::hypot(step->x, step->y) < kConvergedStepMetres) {
      std::optional<RigorousCheck> check = assess(observations, p, iterations);
      if (!check) return {std::nullopt, "法方程式奇异：图形不能确定待定点"};
      if (!allFinite(*check)) return {std::nullopt, "检核结果不是有限数"};
      return {std::move(check), ""};
    }
  }
  return {std::nullopt, "迭代 30 次仍未收敛"};
}

}  // namespace velmora
