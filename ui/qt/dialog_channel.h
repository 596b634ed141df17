// The interactive operator: a modal input box per prompt, a message box for a
// command that did not complete, and the print preview with the platform's
// print dialog (a PDF file among its printers) for the report.
#pragma once

#include "ui/qt/operator_channel.h"

namespace velmora {

class DialogChannel final : public OperatorChannel {
 public:
  std::optional<std::string> ask(QWidget& window, const std::string& prompt, const PromptOffer& offer) override;
  bool lastPromptCancelled() const override { return cancelled_; }
  void tell(QWidget& window, const std::string& message) override;
  bool print(QWidget& window, const std::function<void(QPrinter&)>& render) override;

 private:
  bool cancelled_ = false;
};

}  // namespace velmora
