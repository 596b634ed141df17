#include "check/classical_comparison.h"

namespace velmora {

ClassicalComparison compareWithClassical(const AdjustmentState& state, const RigorousCheck& check) {
  ClassicalComparison c;
  const double xp[3] = {state.xp1, state.xp2, state.xp3};
  const double yp[3] = {state.yp1, state.yp2, state.yp3};
  for (std::size_t i = 0; i < 3; ++i) {
    c.dx[i] = (xp[i] - check.p.x) * 1000.0;
    c.dy[i] = (yp[i] - check.p.y) * 1000.0;
  }
  const double mb = state.mb;
  c.mbMinusM0 = mb - check.m0;
  c.mbOverM0 = check.m0 > 0.0 ? mb / check.m0 : 0.0;
  c.mdMinusMp = static_cast<double>(state.md) - check.mp;
  return c;
}

}  // namespace velmora
