// The modal input box of one prompt: the prompt's text, a reply line that
// starts with the offered value selected, a line that says why the typed text
// cannot be given, OK and Cancel. OK stays disabled while the text breaks the
// offer's check. OK or Enter gives the typed text; Cancel, Escape or closing
// the box gives no reply: the operator cancelled.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "ui/qt/operator_channel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class PromptDialog final : public QDialog {
  Q_OBJECT

 public:
  /// A box over `parent` (not null), with the parent's title.
  PromptDialog(const std::string& prompt, PromptOffer offer, QWidget* parent);

  /// Runs the box modally and returns the reply, or none when it was cancelled.
  std::optional<std::string> reply();

 private:
  void checkReply();

  PromptOffer offer_;
  QLineEdit* replyLine_ = nullptr;
  QLabel* problemLine_ = nullptr;  ///< made after the prompt's text, which stays the box's first label
  QPushButton* okButton_ = nullptr;
};

}  // namespace velmora
