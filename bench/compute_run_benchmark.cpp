// Benchmarks of one whole Compute run driven by prepared replies (dialogue,
// stages and field texts), of the data sheet's run (the same stages and
// fields, the typed values echoed without prompts), and of the engine's
// adjustment alone on the typed values.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/figure_adjustment.h"
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
  void setFieldText(FieldId, const std::string&) override {}
  void setLabelCaption(LabelId, const std::string&) override {}
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

void wholeSheetRun(benchmark::State& bench) {
  const std::vector<std::string> replies = sampleReplies();
  SheetTexts sheet;
  sheet[kPointNameEntry] = replies[12];
  for (std::size_t n = 0; n < 6; ++n) sheet[coordinateEntry(n)] = replies[2 * n];
  for (std::size_t a = 0; a < 9; ++a) sheet[angleEntry(static_cast<int>(a / 3) + 1, a % 3)] = replies[14 + 2 * a];
  PreparedReplies window(replies);
  AdjustmentState state;
  for (auto _ : bench) {
    const RunOutcome outcome = computeSheetRun(state, window, sheet);
    benchmark::DoNotOptimize(outcome);
    if (outcome.end != RunEnd::Complete) bench.SkipWithError("the sample did not complete");
  }
}
BENCHMARK(wholeSheetRun);

void engineAlone(benchmark::State& bench) {
  const std::vector<std::string> replies = sampleReplies();
  AdjustmentState typed;
  typed.xa = replies[0], typed.ya = replies[2], typed.xb = replies[4], typed.yb = replies[6];
  typed.xc = replies[8], typed.yc = replies[10], typed.pointName = replies[12];
  for (std::size_t i = 1; i <= 3; ++i) {
    typed.distanceAngleDms[i] = replies[14 + 6 * (i - 1)];
    typed.advanceAngleDms[i] = replies[16 + 6 * (i - 1)];
    typed.centralAngleDms[i] = replies[18 + 6 * (i - 1)];
  }
  const FigureTexts figure = typed.typedFigure();
  for (auto _ : bench) {
    AdjustmentResults results;
    const StageOutcome fault = adjustFigure(figure, results);
    benchmark::DoNotOptimize(results.xp3);
    if (fault) bench.SkipWithError("the sample could not be computed");
  }
}
BENCHMARK(engineAlone);

}  // namespace

BENCHMARK_MAIN();
