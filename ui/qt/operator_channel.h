// How the window reaches its operator: the modal prompt, the message about a
// command that did not complete, and the choice of a printer. The interactive
// program uses dialog boxes; the scripted mode uses a reply file and a PDF file.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace velmora {

class OperatorChannel {
 public:
  virtual ~OperatorChannel() = default;

  /// Shows `prompt` over `window` with an empty reply line and returns the
  /// reply (empty for a bare Enter or a cancel); none only when scripted
  /// replies have run out.
  virtual std::optional<std::string> ask(QWidget& window, const std::string& prompt) = 0;

  /// Tells the operator, in Chinese, why a command did not complete.
  virtual void tell(QWidget& window, const std::string& message) = 0;

  /// Lets the operator choose a printer and has `render` print one document on
  /// it. Returns false when no printer was chosen (the choice was cancelled).
  virtual bool print(QWidget& window, const std::function<void(QPrinter&)>& render) = 0;
};

}  // namespace velmora
