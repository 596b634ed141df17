// The console for a person: each prompt shown as it is asked (the reply echoed
// when it comes from a file), and each result written on a line of its own
// with its name as the window's captions give it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "ui/line_reply_source.h"
#include "ui/window_operations.h"

namespace velmora {

class PersonConsole : public WindowOperations {
 public:
  PersonConsole(LineReplySource& replies, std::ostream& out, bool echoReplies)
      : replies_(replies), out_(out), echoReplies_(echoReplies) {}

  std::optional<std::string> askOperator(const std::string& prompt) override;
  void setFieldText(FieldId field, const std::string& text) override;
  void setLabelCaption(LabelId label, const std::string& text) override;

 private:
  LineReplySource& replies_;
  std::ostream& out_;
  bool echoReplies_;
  std::string misclosureCaption_;  // Label17's caption: "w(1)" .. "w(3)"
  bool precisionShown_ = false;    // Text18 is a result once the precision is shown
};

}  // namespace velmora
