// The modal input box of one prompt: the prompt's text, an empty reply line,
// OK and Cancel. OK or Enter gives the typed text; Cancel, Escape or closing
// the box gives the empty reply.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace velmora {

class PromptDialog final : public QDialog {
  Q_OBJECT

 public:
  /// A box over `parent` (not null), with the parent's title.
  PromptDialog(const std::string& prompt, QWidget* parent);

  /// Runs the box modally and returns the reply.
  std::string reply();

 private:
  QLineEdit* replyLine_;
};

}  // namespace velmora
