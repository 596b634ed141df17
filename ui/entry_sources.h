// The compute run's two sources of typed entries, both in the dialogue's
// order (Xa … Yc and the point name, then each triangle's three angles just
// before it is computed) and both keeping the texts in the state as typed:
// the operator's prompt-and-confirm dialogue, and the data sheet, whose texts
// are echoed into their fields as confirmed replies are, with no prompt.
#pragma once

#include "engine/adjustment_state.h"
#include "engine/figure_pipeline.h"
#include "ui/dialogue.h"
#include "ui/sheet_entries.h"
#include "ui/window_operations.h"

namespace velmora {

/// Fills the state's typed texts one entry at a time and views the ones just
/// entered for the pipeline (the others' texts may still change).
class WindowEntrySource : public EntrySource {
 public:
  WindowEntrySource(AdjustmentState& state, WindowOperations& window, TakeEntry take);

  bool enterKnownPoints(FigureTexts& typed) override;
  bool enterTriangleAngles(int i, FigureTexts& typed) override;

  /// Why the last call gave no entries (no reply to a prompt, or cancelled).
  const DialogueEnd& end() const { return end_; }

 private:
  bool entered(DialogueEnd end);

  AdjustmentState& state_;
  WindowOperations& window_;
  TakeEntry take_;
  DialogueEnd end_;
};

/// Every entry prompted and confirmed by the operator.
WindowEntrySource dialogueSource(AdjustmentState& state, WindowOperations& window);

/// Every entry the sheet's text (indexed as sheetEntries()), echoed into its
/// field; it never runs out. `sheet` must outlive the source.
WindowEntrySource sheetSource(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet);

/// Shows a figure's entries as the prompts would echo them (the known points,
/// the point name, then each triangle's angles, triangle 3's left showing, as
/// after a run), computing nothing.
void showFigureEntries(WindowOperations& window, const SheetTexts& sheet);

}  // namespace velmora
