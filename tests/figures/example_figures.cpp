#include "example_figures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "check/check_observations.h"
#include "ui/compute_run.h"
#include "ui/recording_window.h"

namespace velmora {
namespace {

std::vector<std::string> csvFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
  return fields;
}

}  // namespace

figures::Figure exampleFigure(std::string_view name) {
  std::ifstream file(VELMORA_EXAMPLES_DIR "/figures.csv");
  figures::Figure figure;
  for (std::string line; std::getline(file, line);) {
    const std::vector<std::string> fields = csvFields(line);
    if (fields.size() != 16 || fields[0] != name) continue;
    figure.name = fields[0];
    for (std::size_t i = 0; i < 6; ++i) figure.coordinateTexts[i] = fields[1 + i];
    for (std::size_t i = 0; i < 9; ++i) figure.angleTexts[i] = fields[7 + i];
    return figure;
  }
  ADD_FAILURE() << "no figure " << name << " in examples/figures.csv";
  return figure;
}

ExampleRun exampleRun(std::string_view name) {
  ExampleRun run{exampleFigure(name), {}, {}};
  RecordingWindow window(figures::confirmedReplies(run.figure));
  const RunOutcome outcome = computeRun(run.state, window);
  EXPECT_EQ(outcome.end, RunEnd::Complete) << outcome.message;
  const CheckOutcome checked = rigorousAdjustment(checkObservations(run.state));
  EXPECT_TRUE(checked.check.has_value()) << checked.failure;
  if (checked.check) run.check = *checked.check;
  return run;
}

}  // namespace velmora
