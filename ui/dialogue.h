// The prompt-and-confirm dialogue: every typed value is echoed into its field
// and confirmed before the chain moves on; a value answered with zero is typed
// again. Replies are stored exactly as typed; nothing is validated at entry.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/adjustment_state.h"
#include "ui/control_ids.h"
#include "ui/sheet_entries.h"
#include "ui/window_operations.h"

namespace velmora {

/// One entry with confirmation: its prompts, field, and (angles only) label.
struct DialogueEntry {
  std::string entryPrompt;
  FieldId field;
  DisplayKind kind = DisplayKind::Coordinate;
  std::optional<LabelId> label;  ///< none for the scalar entries
  std::string caption;
  std::string firstConfirmation;
  std::string repeatedConfirmation;
  std::string correctionPrompt;
  std::size_t entry = 0;  ///< which figure entry it fills, indexed as sheetEntries()
};

/// How a dialogue piece ended: every value entered, or no reply came to
/// `unansweredPrompt`: the scripted replies ran out, or the operator cancelled.
struct DialogueEnd {
  bool entered = true;
  std::string unansweredPrompt;
  bool cancelled = false;
};

enum class ConfirmationAnswer { Accept, Reject, AskAgain };

/// Empty or a non-zero number accepts; a number equal to zero rejects;
/// anything else (a letter, a number beyond range) asks the same question again.
ConfirmationAnswer classifyConfirmation(std::string_view reply);

/// The text a field shows for a typed value: one blank, then the value under
/// "0.000" (coordinate) or "0.00000" (angle), or the name as typed.
std::string displayText(DisplayKind kind, const std::string& typed);

/// Shows a value as it is entered: an angle's caption in its label, then the
/// value's display text in its field. Returns the text shown.
std::string echoEntry(WindowOperations& window, const DialogueEntry& entry, const std::string& typed);

DialogueEnd confirmedEntry(WindowOperations& window, const DialogueEntry& entry, std::string& member);

/// How one entry gets its text into `member`: prompted and confirmed, or
/// taken from the data sheet and echoed.
using TakeEntry = std::function<DialogueEnd(const DialogueEntry& entry, std::string& member)>;

/// The seven scalar entries in their order: xa, ya, xb, yb, xc, yc, pointName.
DialogueEnd enterScalars(AdjustmentState& state, const TakeEntry& take);
/// The three angles of triangle i (1..3), with the clears of Text7, Text8, Text11 after A(i).
DialogueEnd enterTriangleAngles(WindowOperations& window, AdjustmentState& state, int i, const TakeEntry& take);

/// The same, each entry prompted and confirmed.
DialogueEnd enterScalars(WindowOperations& window, AdjustmentState& state);
DialogueEnd enterTriangleAngles(WindowOperations& window, AdjustmentState& state, int i);

}  // namespace velmora
