// The Print command's report on a Qt printer: the report writer over the
// QPainter printer. The window asks the report writer's refusal before any
// printer is chosen, so the operator is not asked for a printer that would stay unused.
#pragma once

#include "engine/adjustment_state.h"
#include "report/report_writer.h"

class QPrinter;

namespace velmora {

/// Prints one report of `state` on `printer`; a refused report or a printer
/// that cannot be opened prints nothing and says why.
PrintOutcome printReportOn(QPrinter& printer, const AdjustmentState& state);

}  // namespace velmora
