// How the window reaches its operator: the modal prompt, the message about a
// command that did not complete, and the choice of a printer. The interactive
// program uses dialog boxes; the scripted mode uses a reply file and a PDF file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QPrinter;
class QWidget;

namespace velmora {

/// What a prompt box offers besides its text: the value its reply line starts
/// with (selected, so that typing replaces it and Enter keeps it), and the
/// check a reply must pass before it can be given.
struct PromptOffer {
  std::string value;
  /// Why a text cannot be the reply, or nothing; empty: every text can.
  std::function<std::optional<std::string>(std::string_view)> problem;
};

class OperatorChannel {
 public:
  virtual ~OperatorChannel() = default;

  /// Shows `prompt` over `window` and returns the reply; none when the
  /// operator cancelled the prompt or scripted replies have run out. A
  /// scripted channel ignores the offer.
  virtual std::optional<std::string> ask(QWidget& window, const std::string& prompt, const PromptOffer& offer) = 0;

  /// True when the last ask() gave no reply because the operator cancelled it.
  virtual bool lastPromptCancelled() const { return false; }

  /// Tells the operator, in Chinese, why a command did not complete.
  virtual void tell(QWidget& window, const std::string& message) = 0;

  /// Lets the operator choose a printer and has `render` print one document on
  /// it. Returns false when no printer was chosen (the choice was cancelled).
  virtual bool print(QWidget& window, const std::function<void(QPrinter&)>& render) = 0;
};

}  // namespace velmora
