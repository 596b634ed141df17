// The adjustment of one figure as one plain call: the typed values in (x
// north, y east, metres; angles d.mmss), every stored result out, or the fault
// that stopped it. No window, display text or I/O; the stages and their order
// are the one pipeline's (figure_pipeline.h), so the numbers are the window's to the last bit.
#pragma once

#include "engine/adjustment_results.h"
#include "engine/figure_pipeline.h"
#include "engine/stage_outcome.h"

namespace velmora {

/// Adjusts the figure into `results` (start from a fresh AdjustmentResults:
/// array members are read as 0 where not yet written). Nothing when every
/// result was stored; otherwise the step that could not compute, with the
/// entry it concerns, and `results` holds what was stored before it.
StageOutcome adjustFigure(const FigureTexts& typed, AdjustmentResults& results);

/// The same, with every stage's values told to `observer` as the stage finishes.
StageOutcome adjustFigure(const FigureTexts& typed, AdjustmentResults& results, StageObserver& observer);

}  // namespace velmora
