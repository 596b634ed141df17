// One press of Compute: the whole adjustment from the first entry to the last
// result field, through the window operations only. The one pipeline of
// stages runs (figure_pipeline.h); its entries come from the operator's
// dialogue or from the data sheet, and each stage's values go to their
// fields at once. The first stage that cannot compute ends the run, and no
// later field is written.
#pragma once

#include "engine/adjustment_state.h"
#include "engine/figure_pipeline.h"
#include "ui/run_outcome.h"
#include "ui/sheet_entries.h"
#include "ui/window_operations.h"

namespace velmora {

/// Every entry prompted and confirmed, each echoed into its field. `alsoTold`,
/// when given, sees every stage's values right after the fields are written
/// (the worksheet keeps its tables there).
RunOutcome computeRun(AdjustmentState& state, WindowOperations& window, StageObserver* alsoTold = nullptr);

/// The data sheet's run (F5): the sheet's texts are the entries, each echoed
/// into its field as a confirmed reply is; no prompt is shown.
RunOutcome computeSheetRun(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet,
                           StageObserver* alsoTold = nullptr);

}  // namespace velmora
