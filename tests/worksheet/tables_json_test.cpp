// batch --tables read back: the tables member of each JSON Lines result has
// exactly its keys, in order, and every number reads back to the very value
// that a pipeline run stored (AdjustmentResults and RunValues, watched by
// this test's own observer, not the worksheet's recorder).
#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <sstream>

#include "batch/batch_run.h"
#include "engine/figure_adjustment.h"
#include "figure_factory.h"

namespace velmora {
namespace {

/// The run's values when the normals are formed and at the end.
class LastValues final : public StageObserver {
 public:
  void stageDone(const StageValues& values) override {
    if (values.stage == Stage::Normals) normals = values.run.normals;
    run = values.run;
  }
  NormalMatrix normals{};
  RunValues run;
};

/// The keys and numbers of a JSON text in the order they stand.
struct Tokens {
  std::vector<std::string> keys;
  std::vector<double> numbers;
};

Tokens tokensOf(std::string_view json) {
  Tokens tokens;
  for (std::size_t at = 0; at < json.size();) {
    if (json[at] == '"') {
      const std::size_t end = json.find('"', at + 1);
      tokens.keys.emplace_back(json.substr(at + 1, end - at - 1));
      at = end + 1;
    } else if (json[at] == '-' || (json[at] >= '0' && json[at] <= '9')) {
      double value = 0.0;
      const auto [end, error] = std::from_chars(json.data() + at, json.data() + json.size(), value);
      EXPECT_EQ(error, std::errc()) << json.substr(at, 20);
      tokens.numbers.push_back(value);
      at = static_cast<std::size_t>(end - json.data());
    } else {
      ++at;
    }
  }
  return tokens;
}

/// The text of the record's "tables" object.
std::string_view tablesMember(std::string_view record) {
  const std::size_t at = record.find("\"tables\":{");
  if (at == std::string_view::npos) return {};
  return record.substr(at + 9, record.size() - at - 9 - 1);
}

std::vector<double> expectedNumbers(const AdjustmentResults& results, const LastValues& values) {
  const RunValues& r = values.run;
  const KnownSideGeometry& g = r.geometry;
  const ProvisionalDistances& d = r.provisional;
  std::vector<double> n{g.sideAB,
                        g.sideBC,
                        g.sideCA,
                        g.azimuthAB,
                        g.azimuthBC,
                        g.azimuthCA,
                        g.knownAngleA,
                        g.knownAngleB,
                        d.distancePA,
                        d.distancePB,
                        d.distancePC,
                        d.longestSide,
                        static_cast<double>(d.chosenTriangle),
                        r.firstGroupVv};
  for (std::size_t i = 1; i <= 6; ++i) n.insert(n.end(), r.conditionMatrix[i].begin(), r.conditionMatrix[i].end());
  for (std::size_t i = 1; i <= 6; ++i) n.insert(n.end(), values.normals[i].begin(), values.normals[i].end());
  n.insert(n.end(), r.v.begin(), r.v.end());
  n.push_back(r.secondGroupVv);
  double wk = 0.0;
  for (std::size_t j = 1; j <= 4; ++j) wk += static_cast<double>(results.secondGroupW[j]) * results.k[j];
  n.push_back(wk);
  return n;
}

const std::vector<std::string> kKeys{"sides",
                                     "AB",
                                     "BC",
                                     "CA",
                                     "azimuths",
                                     "AB",
                                     "BC",
                                     "CA",
                                     "knownAngleA",
                                     "knownAngleB",
                                     "distances",
                                     "PA",
                                     "PB",
                                     "PC",
                                     "longestSide",
                                     "chosenTriangle",
                                     "firstGroupVv",
                                     "conditionRows",
                                     "normals",
                                     "corrections",
                                     "secondGroupVv",
                                     "wk"};

TEST(BatchTables, EveryNumberIsTheRunsOwnValueBitForBit) {
  std::mt19937_64 random(2026);
  std::vector<figures::Figure> figures;
  std::string csv = figures::csvHeader() + "\n";
  for (int i = 0; i < 60; ++i) {
    figures.push_back(figures::randomFigure(random, {.noiseSeconds = 1.5}, "T" + std::to_string(i)));
    csv += figures::csvLine(figures.back()) + "\n";
  }
  std::istringstream input(csv);
  std::ostringstream output;
  const BatchSummary summary = runBatch(input, output, {.jobs = 2, .tables = true}, nullptr);
  ASSERT_EQ(summary.failed, 0U);
  std::istringstream lines(output.str());
  std::string line;
  for (const figures::Figure& figure : figures) {
    ASSERT_TRUE(std::getline(lines, line));
    std::array<std::string, 15> texts;
    std::copy(figure.coordinateTexts.begin(), figure.coordinateTexts.end(), texts.begin());
    std::copy(figure.angleTexts.begin(), figure.angleTexts.end(), texts.begin() + 6);
    FigureTexts typed{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], {}, {}, {}};
    for (std::size_t t = 1; t <= 3; ++t) {
      typed.distanceAngle[t] = texts[6 + 3 * (t - 1)];
      typed.advanceAngle[t] = texts[7 + 3 * (t - 1)];
      typed.centralAngle[t] = texts[8 + 3 * (t - 1)];
    }
    AdjustmentResults results;
    LastValues values;
    ASSERT_FALSE(adjustFigure(typed, results, values)) << figure.name;
    const Tokens tokens = tokensOf(tablesMember(line));
    EXPECT_EQ(tokens.keys, kKeys) << figure.name;
    const std::vector<double> expected = expectedNumbers(results, values);
    ASSERT_EQ(tokens.numbers.size(), expected.size()) << figure.name;
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(tokens.numbers[i], expected[i]) << figure.name << " #" << i;
  }
}

TEST(BatchTables, ResultsWithoutTablesHaveNoTablesMember) {
  std::mt19937_64 random(7);
  const std::string csv = figures::csvHeader() + "\n" + figures::csvLine(figures::randomFigure(random, {}, "N")) + "\n";
  std::istringstream input(csv);
  std::ostringstream output;
  runBatch(input, output, {.jobs = 1}, nullptr);
  EXPECT_EQ(output.str().find("\"tables\""), std::string::npos);
}

}  // namespace
}  // namespace velmora
