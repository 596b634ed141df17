#include "tests/report/sample_state.h"

namespace velmora::testing {

AdjustmentState completedSampleRun() {
  AdjustmentState state;
  state.xa = "3456.78";
  state.ya = "1234.5";
  state.xb = "3000";
  state.yb = "-2000.12345";
  state.xc = "2500.0006";
  state.yc = "1000";
  state.pointName = "P";
  state.distanceAngleDms = {{"45.3012", "45.3", "60"}};
  state.advanceAngleDms = {{"60.1", "70.2", "50.003"}};
  state.centralAngleDms = {{"74.2948", "64.2930", "69.5930"}};
  state.distanceAngle = {{45.5125, 90.0, 30.999999}};
  state.advanceAngle = {{60.1666666667, 45.95, 50.0}};
  state.centralAngle = {{74.5, 44.25, 59.99998889}};
  state.w = {{1.5F, -3.456F, 0.004F}};
  state.secondGroupW = {{2.25F, -0.004F, 3.0F, 12.5F}};
  state.k = {{0.123456, -1.5, -0.000004, 2.0}};
  state.invPb = 0.0123456;
  state.invPs = 1.5;
  state.mb = 1.234F;
  state.md = 5.678F;
  state.m = 93169.0F;
  state.xp1 = 2987.6543;
  state.yp1 = 1500.0004;
  state.xp2 = 2987.6551;
  state.yp2 = 1500.0;
  state.xp3 = 2987.6549;
  state.yp3 = 1499.9996;
  state.functionColumn = 6;
  state.lastRunComplete = true;
  return state;
}

}  // namespace velmora::testing
