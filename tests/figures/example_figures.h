// The figures of examples/figures.csv (the sample figure P7, Q1..Q4 and the
// blunder figure Q5) adjusted by an interactive Compute run and checked
// rigorously, for tests that judge or draw a real figure.
#pragma once

#include <string_view>

#include "check/rigorous_adjustment.h"
#include "engine/adjustment_state.h"
#include "figure_factory.h"

namespace velmora {

struct ExampleRun {
  figures::Figure figure;
  AdjustmentState state;  ///< after the complete Compute run
  RigorousCheck check;
};

/// The figure of that name in examples/figures.csv; a test failure when there is none.
figures::Figure exampleFigure(std::string_view name);

/// That figure's complete run and check; a test failure when either does not complete.
ExampleRun exampleRun(std::string_view name);

}  // namespace velmora
