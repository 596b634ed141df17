// A text field of the form that never cuts a number: a text wider than the
// field shows its beginning and ends in "…", and the whole text is the
// field's tooltip. While the field has the keyboard focus it holds the whole
// text, so that what the operator types there is kept whole too.
#pragma once

#include <QLineEdit>

namespace velmora {

class FormField final : public QLineEdit {
  Q_OBJECT

 public:
  explicit FormField(QWidget* parent);

  /// Replaces the whole text; shown shortened when it does not fit.
  void showWholeText(const QString& text);
  /// The whole text, not the shortened one the field may show.
  QString wholeText() const;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showFitting();
  int textWidthPixels() const;

  QString whole_;
};

}  // namespace velmora
