// Benchmarks of one whole Compute run driven by prepared replies, and of the
// adjustment stages alone on a state whose angles are already typed.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/known_side_geometry.h"
#include "engine/normal_equations.h"
#include "engine/point_coordinates.h"
#include "engine/precision.h"
#include "engine/triangle_conditions.h"
#include "ui/compute_run.h"

namespace {

using namespace velmora;

/// Answers from a prepared list, forgets every text it is shown.
class PreparedReplies final : public WindowOperations {
 public:
  explicit PreparedReplies(const std::vector<std::string>& replies) : replies_(replies) {}
  std::optional<std::string> askOperator(const std::string&) override {
    if (next_ >= replies_.size()) return std::nullopt;
    return replies_[next_++];
  }
  void setFieldText(std::string_view, const std::string&) override {}
  void setLabelCaption(std::string_view, const std::string&) override {}
  void rewind() { next_ = 0; }

 private:
  const std::vector<std::string>& replies_;
  std::size_t next_ = 0;
};

std::vector<std::string> sampleReplies() {
  std::ifstream file(VELMORA_SOURCE_DIR "/examples/sample-figure.txt");
  std::vector<std::string> replies;
  for (std::string line; std::getline(file, line);) replies.push_back(line);
  return replies;
}

void wholeComputeRun(benchmark::State& bench) {
  const std::vector<std::string> replies = sampleReplies();
  PreparedReplies window(replies);
  AdjustmentState state;
  for (auto _ : bench) {
    window.rewind();
    const RunOutcome outcome = computeRun(state, window);
    benchmark::DoNotOptimize(outcome);
    if (outcome.end != RunEnd::Complete) bench.SkipWithError("the sample did not complete");
  }
}
BENCHMARK(wholeComputeRun);

void adjustmentStagesAlone(benchmark::State& bench) {
  const std::vector<std::string> replies = sampleReplies();
  AdjustmentState typed;
  typed.xa = replies[0], typed.ya = replies[2], typed.xb = replies[4], typed.yb = replies[6];
  typed.xc = replies[8], typed.yc = replies[10], typed.pointName = replies[12];
  for (std::size_t i = 1; i <= 3; ++i) {
    typed.distanceAngleDms[i] = replies[14 + 6 * (i - 1)];
    typed.advanceAngleDms[i] = replies[16 + 6 * (i - 1)];
    typed.centralAngleDms[i] = replies[18 + 6 * (i - 1)];
  }
  PreparedReplies display(replies);
  for (auto _ : bench) {
    AdjustmentState state = typed;
    RunValues run;
    bool fault = false;
    for (int i = 1; i <= 3; ++i) {
      fault |= convertTriangleAngles(state, i).has_value();
      fault |= triangleStep(state, run, display, i).has_value();
    }
    fault |= knownSideStep(state, run.geometry).has_value();
    fault |= secondGroupStep(state, run, display).has_value();
    fault |= provisionalDistanceStep(state, run.geometry, run.provisional).has_value();
    weightFunctionStep(run);
    formNormals(run);
    fault |= weightReciprocalStep(state, run, display).has_value();
    fault |= correlateStep(state, run).has_value();
    fault |= correctionStep(state, run).has_value();
    fault |= precisionStep(state, run, display).has_value();
    fault |= coordinateStep(state, run, display).has_value();
    benchmark::DoNotOptimize(state.xp3);
    if (fault) bench.SkipWithError("the sample could not be computed");
  }
}
BENCHMARK(adjustmentStagesAlone);

}  // namespace

BENCHMARK_MAIN();
