// The one pipeline fed by each of its sources (a batch record's texts, the
// operator's dialogue, the data sheet) must store the same numbers to the last
// bit and stop with the same fault, and the sheet's run must leave the window
// showing what the dialogue's does: every family of generated figures, and
// figures with planted faults at every stage.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <map>
#include <random>

#include "engine/figure_adjustment.h"
#include "figure_factory.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"
#include "ui/run_messages.h"

namespace velmora {
namespace {

SheetTexts sheetOf(const figures::Figure& f) {
  SheetTexts sheet;
  sheet[kPointNameEntry] = f.name;
  for (std::size_t n = 0; n < f.coordinateTexts.size(); ++n) sheet[coordinateEntry(n)] = f.coordinateTexts[n];
  for (std::size_t a = 0; a < f.angleTexts.size(); ++a)
    sheet[angleEntry(static_cast<int>(a / 3) + 1, a % 3)] = f.angleTexts[a];
  return sheet;
}

/// The batch source's view of the same texts.
FigureTexts textsOf(const SheetTexts& sheet) {
  return figureTextsOf([&sheet](std::size_t row) { return std::string_view(sheet[row]); });
}

/// The last text of every field and label a run wrote.
std::map<std::string, std::string> shownTexts(const RecordingWindow& window) {
  std::map<std::string, std::string> shown;
  for (const WindowOperation& operation : window.operations()) {
    if (operation.kind != WindowOperation::Kind::Ask) shown[operation.control] = operation.text;
  }
  return shown;
}

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }
std::uint32_t bits(float value) { return std::bit_cast<std::uint32_t>(value); }

template <typename Number, std::size_t N>
void expectSameBits(const std::array<Number, N>& dialogue, const std::array<Number, N>& engine, const char* name) {
  for (std::size_t i = 1; i < N; ++i) EXPECT_EQ(bits(dialogue[i]), bits(engine[i])) << name << i;
}

void expectSameResults(const AdjustmentResults& d, const AdjustmentResults& e) {
  for (std::size_t p = 0; p < d.knownPoints.size(); ++p) {
    EXPECT_EQ(bits(d.knownPoints[p].x), bits(e.knownPoints[p].x)) << "known point " << p;
    EXPECT_EQ(bits(d.knownPoints[p].y), bits(e.knownPoints[p].y)) << "known point " << p;
  }
  expectSameBits(d.observedDistanceAngle, e.observedDistanceAngle, "observedDistanceAngle");
  expectSameBits(d.observedAdvanceAngle, e.observedAdvanceAngle, "observedAdvanceAngle");
  expectSameBits(d.observedCentralAngle, e.observedCentralAngle, "observedCentralAngle");
  expectSameBits(d.distanceAngle, e.distanceAngle, "distanceAngle");
  expectSameBits(d.advanceAngle, e.advanceAngle, "advanceAngle");
  expectSameBits(d.centralAngle, e.centralAngle, "centralAngle");
  expectSameBits(d.w, e.w, "w");
  expectSameBits(d.secondGroupW, e.secondGroupW, "secondGroupW");
  expectSameBits(d.k, e.k, "k");
  const std::pair<const char*, std::pair<double, double>> doubles[] = {
      {"invPb", {d.invPb, e.invPb}}, {"invPs", {d.invPs, e.invPs}}, {"xp1", {d.xp1, e.xp1}}, {"yp1", {d.yp1, e.yp1}},
      {"xp2", {d.xp2, e.xp2}},       {"yp2", {d.yp2, e.yp2}},       {"xp3", {d.xp3, e.xp3}}, {"yp3", {d.yp3, e.yp3}}};
  for (const auto& [name, pair] : doubles) EXPECT_EQ(bits(pair.first), bits(pair.second)) << name;
  EXPECT_EQ(bits(d.mb), bits(e.mb));
  EXPECT_EQ(bits(d.md), bits(e.md));
  ASSERT_EQ(d.m.has_value(), e.m.has_value());
  if (d.m) {
    EXPECT_EQ(bits(*d.m), bits(*e.m));
  }
}

void expectSameOutcome(const RunOutcome& dialogue, const RunOutcome& sheet) {
  EXPECT_EQ(sheet.end, dialogue.end) << sheet.message;
  EXPECT_EQ(sheet.message, dialogue.message);
  ASSERT_EQ(sheet.fault.has_value(), dialogue.fault.has_value());
  if (sheet.fault) {
    EXPECT_EQ(sheet.fault->entry, dialogue.fault->entry);
    EXPECT_EQ(sheet.fault->value, dialogue.fault->value);
  }
}

/// The sheet's run asks nothing and leaves the window and the state as the confirmed dialogue's does.
void expectSheetRunLikeDialogue(const figures::Figure& f, const RecordingWindow& dialogueWindow,
                                const AdjustmentState& dialogueState, const RunOutcome& dialogue) {
  RecordingWindow window;
  AdjustmentState state;
  const RunOutcome sheet = computeSheetRun(state, window, sheetOf(f));
  expectSameOutcome(dialogue, sheet);
  EXPECT_EQ(window.repliesUsed(), 0U);
  EXPECT_EQ(shownTexts(window), shownTexts(dialogueWindow));
  EXPECT_EQ(state.pointName, dialogueState.pointName);
  EXPECT_EQ(state.functionColumn, dialogueState.functionColumn);
  EXPECT_EQ(state.lastRunComplete, dialogueState.lastRunComplete);
  if (dialogue.end == RunEnd::Complete) expectSameResults(dialogueState, state);
}

/// Runs the figure from every source and compares; returns whether it completed.
bool expectAllSourcesAgree(const figures::Figure& f) {
  RecordingWindow window(figures::confirmedReplies(f));
  AdjustmentState state;
  const RunOutcome dialogue = computeRun(state, window);
  AdjustmentResults results;
  const SheetTexts sheet = sheetOf(f);
  const StageOutcome engine = adjustFigure(textsOf(sheet), results);
  expectSheetRunLikeDialogue(f, window, state, dialogue);

  EXPECT_NE(dialogue.end, RunEnd::RepliesRanOut);
  EXPECT_EQ(dialogue.end == RunEnd::Complete, !engine) << dialogue.message;
  if (dialogue.fault && engine) {
    EXPECT_EQ(dialogue.fault->entry, engine->entry) << dialogue.message;
    EXPECT_EQ(dialogue.fault->value, engine->value) << dialogue.message;
    EXPECT_EQ(dialogue.message, cannotComputeMessage(*engine));
  }
  if (dialogue.end == RunEnd::Complete && !engine) expectSameResults(state, results);
  return !engine;
}

struct FamilyCase {
  const char* name;
  figures::FigureOptions options;
  std::size_t count;
  bool complete;  ///< every figure of the family completes
};

void PrintTo(const FamilyCase& row, std::ostream* out) { *out << row.name; }

class PipelineSources : public testing::TestWithParam<FamilyCase> {};

TEST_P(PipelineSources, StoreTheSameBitsAndStopAlike) {
  std::mt19937_64 random(20261208);
  for (std::size_t n = 0; n < GetParam().count; ++n) {
    const figures::Figure f = figures::randomFigure(random, GetParam().options, "P" + std::to_string(n));
    const bool complete = expectAllSourcesAgree(f);
    if (GetParam().complete) {
      EXPECT_TRUE(complete) << n;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Families, PipelineSources,
    testing::Values(
        FamilyCase{"NoiseFree", {}, 50, true}, FamilyCase{"TwoSecondsNoise", {.noiseSeconds = 2.0}, 200, true},
        FamilyCase{"WholeSeconds", {.noiseSeconds = 5.0, .secondDecimals = 0}, 50, true},
        FamilyCase{"ThousandthsOfSeconds", {.noiseSeconds = 1.0, .secondDecimals = 3}, 50, true},
        FamilyCase{"OneMinuteBlunder", {.noiseSeconds = 1.5, .grossAngle = 6, .grossSeconds = 60.0}, 50, true},
        FamilyCase{"GrossBlunderStops", {.noiseSeconds = 1.5, .grossAngle = 4, .grossSeconds = 900.0}, 20, false}),
    [](const testing::TestParamInfo<FamilyCase>& row) { return std::string(row.param.name); });

struct PlantedFaultCase {
  const char* name;
  std::size_t angle;       ///< 1..9: the angle text replaced; 0: a coordinate
  std::size_t coordinate;  ///< 0..5 when angle is 0
  const char* text;
};

void PrintTo(const PlantedFaultCase& row, std::ostream* out) { *out << row.name; }

class PlantedFaults : public testing::TestWithParam<PlantedFaultCase> {};

TEST_P(PlantedFaults, StopAtTheSameStepWithTheSameFieldAndMessage) {
  std::mt19937_64 random(7);
  figures::Figure f = figures::randomFigure(random, {.noiseSeconds = 2.0}, "F");
  const PlantedFaultCase& row = GetParam();
  if (row.angle > 0) {
    f.angleTexts[row.angle - 1] = row.text;
  } else {
    f.coordinateTexts[row.coordinate] = row.text;
  }
  EXPECT_FALSE(expectAllSourcesAgree(f));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlantedFaults,
    testing::Values(PlantedFaultCase{"CoordinateNotANumber", 0, 3, "12a"},
                    PlantedFaultCase{"CoordinateBeyondDouble", 0, 0, "1e999"},
                    PlantedFaultCase{"CoordinatesFarApart", 0, 4, "1e200"},
                    PlantedFaultCase{"AngleNotANumber", 8, 0, ""}, PlantedFaultCase{"MinutesOf60", 1, 0, "45.6000"},
                    PlantedFaultCase{"SecondsOf60", 5, 0, "45.2060"}, PlantedFaultCase{"AngleOf180", 9, 0, "180"},
                    PlantedFaultCase{"AngleZero", 3, 0, "0"},
                    PlantedFaultCase{"TriangleOverTenMinutes", 2, 0, "1.0000"},
                    PlantedFaultCase{"CoordinateTypo", 0, 1, "0"}),
    [](const testing::TestParamInfo<PlantedFaultCase>& row) { return std::string(row.param.name); });

// Known points out of order: A and B swapped make the numbering counter-clockwise.
TEST(PlantedFaults, SwappedKnownPointsStopAlike) {
  std::mt19937_64 random(11);
  figures::Figure f = figures::randomFigure(random, {.noiseSeconds = 2.0}, "F");
  std::swap(f.coordinateTexts[0], f.coordinateTexts[2]);
  std::swap(f.coordinateTexts[1], f.coordinateTexts[3]);
  EXPECT_FALSE(expectAllSourcesAgree(f));
}

}  // namespace
}  // namespace velmora
