// The one pipeline: entries are asked when the run comes to them, every stage
// is seen once in the run's order, and a missing entry or a fault ends the run
// with no later stage seen.
#include "engine/figure_pipeline.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

/// The sample figure of examples/sample-figure.txt, in prompt order.
struct SampleTexts {
  std::string coordinates[6] = {"3146.231", "5218.774", "4208.517", "5762.130", "3312.684", "6542.895"};
  std::string angles[9] = {"29.13491", "33.57492", "116.48233", "34.11555", "29.30193",
                           "116.1745", "26.35117", "26.3056",   "126.53511"};
};

/// One entry of the run's log: an ask of the source, or a stage done.
struct Event {
  bool ask = false;
  Stage stage{};
  int index = 0;  ///< triangle asked (0: the known points), or the stage's index
};

/// Hands out the sample and logs every ask; gives nothing from triangle `endAt` on.
class LoggingSource final : public EntrySource {
 public:
  LoggingSource(const SampleTexts& texts, std::vector<Event>& log, int endAt = 4)
      : texts_(texts), log_(log), endAt_(endAt) {}
  bool enterKnownPoints(FigureTexts& typed) override {
    log_.push_back({true, {}, 0});
    const auto& c = texts_.coordinates;
    typed.xa = c[0], typed.ya = c[1], typed.xb = c[2], typed.yb = c[3], typed.xc = c[4], typed.yc = c[5];
    return true;
  }
  bool enterTriangleAngles(int i, FigureTexts& typed) override {
    log_.push_back({true, {}, i});
    if (i >= endAt_) return false;
    const auto t = static_cast<std::size_t>(i);
    typed.distanceAngle[t] = texts_.angles[3 * (t - 1)];
    typed.advanceAngle[t] = texts_.angles[3 * (t - 1) + 1];
    typed.centralAngle[t] = texts_.angles[3 * (t - 1) + 2];
    return true;
  }

 private:
  const SampleTexts& texts_;
  std::vector<Event>& log_;
  int endAt_;
};

class LoggingObserver final : public StageObserver {
 public:
  explicit LoggingObserver(std::vector<Event>& log) : log_(log) {}
  void stageDone(const StageValues& values) override {
    log_.push_back({false, values.stage, values.index});
    if (values.stage == Stage::AzimuthWeightReciprocal) invPbSeen = values.results.invPb;
    if (values.stage == Stage::TriangleMisclosure) {
      misclosureSeen[values.index] = values.run.triangleMisclosure[static_cast<std::size_t>(values.index)];
    }
  }
  double invPbSeen = 0.0;
  double misclosureSeen[4] = {};

 private:
  std::vector<Event>& log_;
};

std::size_t positionOf(const std::vector<Event>& log, bool ask, Stage stage, int index) {
  for (std::size_t n = 0; n < log.size(); ++n) {
    if (log[n].ask == ask && log[n].index == index && (ask || log[n].stage == stage)) return n;
  }
  return log.size();
}

std::size_t countOf(const std::vector<Event>& log, Stage stage) {
  std::size_t count = 0;
  for (const Event& event : log) count += !event.ask && event.stage == stage ? 1 : 0;
  return count;
}

Event lastStageDone(const std::vector<Event>& log) {
  for (auto event = log.rbegin(); event != log.rend(); ++event) {
    if (!event->ask) return *event;
  }
  return {};
}

TEST(FigurePipeline, AsksEachTriangleOnlyAfterThePreviousOneIsComputed) {
  SampleTexts texts;
  std::vector<Event> log;
  LoggingSource source(texts, log);
  LoggingObserver observer(log);
  AdjustmentResults results;
  ASSERT_TRUE(runFigurePipeline(source, results, observer).complete());
  EXPECT_EQ(positionOf(log, true, {}, 0), 0U);
  for (int i = 1; i <= kTriangles; ++i) {
    const std::size_t asked = positionOf(log, true, {}, i);
    EXPECT_LT(asked, positionOf(log, false, Stage::TriangleAngles, i)) << i;
    if (i > 1) {
      EXPECT_GT(asked, positionOf(log, false, Stage::FirstGroupCorrection, i - 1)) << i;
    }
  }
  EXPECT_GT(positionOf(log, false, Stage::KnownSides, 0), positionOf(log, false, Stage::FirstGroupCorrection, 3));
}

TEST(FigurePipeline, ShowsEveryStageOnceWithTheValuesItStored) {
  SampleTexts texts;
  std::vector<Event> log;
  LoggingSource source(texts, log);
  LoggingObserver observer(log);
  AdjustmentResults results;
  ASSERT_TRUE(runFigurePipeline(source, results, observer).complete());
  const std::pair<Stage, std::size_t> counts[] = {{Stage::TriangleAngles, 3},
                                                  {Stage::TriangleMisclosure, 3},
                                                  {Stage::FirstGroupCorrection, 3},
                                                  {Stage::KnownSides, 1},
                                                  {Stage::SecondGroupMisclosures, 1},
                                                  {Stage::SecondGroupConditionRows, 1},
                                                  {Stage::ProvisionalDistances, 1},
                                                  {Stage::WeightFunctions, 1},
                                                  {Stage::Normals, 1},
                                                  {Stage::AzimuthWeightReciprocal, 1},
                                                  {Stage::SideWeightReciprocal, 1},
                                                  {Stage::Correlates, 1},
                                                  {Stage::Corrections, 1},
                                                  {Stage::UnitWeightError, 1},
                                                  {Stage::PositionError, 1},
                                                  {Stage::RelativeError, 1},
                                                  {Stage::SidesToP, 1},
                                                  {Stage::CoordinateOfP, 6}};
  for (const auto& [stage, count] : counts) EXPECT_EQ(countOf(log, stage), count) << static_cast<int>(stage);
  EXPECT_EQ(log.back().stage, Stage::CoordinateOfP);
  EXPECT_EQ(log.back().index, 5);
  EXPECT_EQ(observer.invPbSeen, results.invPb);
  for (std::size_t i = 1; i <= kTriangles; ++i) {
    EXPECT_EQ(static_cast<float>(observer.misclosureSeen[i]), results.w[i]) << i;
  }
}

TEST(FigurePipeline, NoEntryEndsTheRunWithoutFaultAndLeavesLaterTrianglesUnstored) {
  SampleTexts texts;
  std::vector<Event> log;
  LoggingSource source(texts, log, 2);
  LoggingObserver observer(log);
  AdjustmentResults results;
  const PipelineOutcome outcome = runFigurePipeline(source, results, observer);
  EXPECT_FALSE(outcome.entered);
  EXPECT_FALSE(outcome.fault.has_value());
  EXPECT_EQ(log.back().ask, true);
  EXPECT_EQ(countOf(log, Stage::TriangleAngles), 1U);
  EXPECT_NE(results.w[1], 0.0F);
  EXPECT_EQ(results.distanceAngle[2], 0.0);
}

struct StopCase {
  const char* name;
  std::size_t angle;  ///< 0..8, the angle text replaced
  const char* text;
  std::optional<FigureEntry> entry;  ///< none for a misclosure: three angles share it
  Stage lastStageSeen;
  int lastIndexSeen;
};

void PrintTo(const StopCase& row, std::ostream* out) { *out << row.name; }

class FigurePipelineStops : public testing::TestWithParam<StopCase> {};

TEST_P(FigurePipelineStops, AtTheFaultyTriangleWithNoLaterStageSeen) {
  const StopCase& row = GetParam();
  SampleTexts texts;
  texts.angles[row.angle] = row.text;
  std::vector<Event> log;
  LoggingSource source(texts, log);
  LoggingObserver observer(log);
  AdjustmentResults results;
  const PipelineOutcome outcome = runFigurePipeline(source, results, observer);
  ASSERT_TRUE(outcome.fault.has_value());
  EXPECT_TRUE(outcome.entered);
  EXPECT_EQ(outcome.fault->entry, row.entry);
  EXPECT_EQ(lastStageDone(log).stage, row.lastStageSeen);
  EXPECT_EQ(lastStageDone(log).index, row.lastIndexSeen);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FigurePipelineStops,
    testing::Values(StopCase{"AngleOf180InTriangle3", 6, "180", distanceAngleEntry(3), Stage::FirstGroupCorrection, 2},
                    StopCase{"SecondsOf60InTriangle2", 4, "29.3060", advanceAngleEntry(2), Stage::FirstGroupCorrection,
                             1},
                    StopCase{"GrossMisclosureInTriangle1", 2, "117.48233", std::nullopt, Stage::TriangleMisclosure, 1}),
    [](const testing::TestParamInfo<StopCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace velmora
