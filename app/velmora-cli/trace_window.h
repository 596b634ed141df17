// Window operations written as a trace, one line per operation, fields
// separated by a TAB: "ask" prompt reply, "field" control text, "label"
// control text, and "stop" message. Backslash, TAB, CR and LF are escaped.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "ui/line_reply_source.h"
#include "ui/window_operations.h"

namespace velmora {

/// `\\`, `\t`, `\r`, `\n` for backslash, TAB, CR, LF; everything else as is.
std::string escapeTraceText(std::string_view text);

class TraceWindow : public WindowOperations {
 public:
  TraceWindow(LineReplySource& replies, std::ostream& out) : replies_(replies), out_(out) {}

  std::optional<std::string> askOperator(const std::string& prompt) override;
  void setFieldText(FieldId field, const std::string& text) override;
  void setLabelCaption(LabelId label, const std::string& text) override;
  void writeStop(const std::string& message);

 private:
  void writeLine(std::string_view kind, std::string_view first, std::string_view second);

  LineReplySource& replies_;
  std::ostream& out_;
};

}  // namespace velmora
