// The scripted operator: replies one per line from a stream, read only when a
// prompt asks (a line's LF or CRLF ending is removed, nothing else); messages
// go to an error stream; the chosen printer is a PDF file, if one is given.
// It never opens a dialog box.
#pragma once

#include <istream>
#include <ostream>

#include "ui/line_reply_source.h"
#include "ui/qt/operator_channel.h"

namespace velmora {

class ScriptChannel final : public OperatorChannel {
 public:
  /// `pdfFile` empty: no printer can be chosen, and print() prints nothing.
  ScriptChannel(std::istream& replies, std::ostream& messages, std::string pdfFile);

  std::optional<std::string> ask(QWidget& window, const std::string& prompt, const PromptOffer& offer) override;
  void tell(QWidget& window, const std::string& message) override;
  bool print(QWidget& window, const std::function<void(QPrinter&)>& render) override;

 private:
  LineReplySource replies_;
  std::ostream& messages_;
  std::string pdfFile_;
};

}  // namespace velmora
