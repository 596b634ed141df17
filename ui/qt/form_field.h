// A text field of the form that never cuts a number: a text wider than the
// field shows its beginning and ends in "…", and the whole text is the
// field's tooltip. While the field has the keyboard focus it holds the whole
// text, so that a selection copies it whole. Fields only show: they are read
// only (values are typed at the prompts or in the data sheet). A text left
// from an earlier run is shown muted, with the tooltip "上一次计算的结果".
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

  /// Marks the text as the result of an earlier run (muted), or as current.
  void setStale(bool stale);
  bool isStale() const { return stale_; }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showFitting();
  void showToolTip(bool shortened);
  int textWidthPixels() const;

  QString whole_;
  bool stale_ = false;
};

}  // namespace velmora
