// The three window operations the dialogue and the compute flow use: ask the
// operator (a modal prompt), set a field's text (FieldId::Text1..Text26), set a label's
// caption (LabelId, the four the flow writes). A window, a console or a test recorder implements
// them. Nothing is ever read back from the window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "ui/control_ids.h"

namespace velmora {

/// What a prompt of the dialogue asks for: the value of one figure entry
/// (indexed as sheetEntries()) or the confirmation of that value.
struct EntryPrompt {
  std::size_t entry = 0;
  bool confirmation = false;
};

class WindowOperations {
 public:
  virtual ~WindowOperations() = default;
  /// Shows `prompt` with an empty reply line and returns what the operator
  /// typed (empty for a bare Enter). Returns no reply when a scripted reply
  /// source has run out or when the operator cancelled the prompt in a window.
  virtual std::optional<std::string> askOperator(const std::string& prompt) = 0;

  /// The same prompt, for a window that offers the entry's current value and
  /// checks a value as it is typed; others just ask.
  virtual std::optional<std::string> askOperatorAbout(const std::string& prompt, EntryPrompt /*about*/) {
    return askOperator(prompt);
  }

  /// True when the last prompt gave no reply because the operator cancelled
  /// it (a window's 取消, Escape or close control), not because scripted
  /// replies ran out. A reply source has no cancel.
  virtual bool operatorCancelled() const { return false; }

  virtual void setFieldText(FieldId field, const std::string& text) = 0;
  virtual void setLabelCaption(LabelId label, const std::string& text) = 0;
};

}  // namespace velmora
