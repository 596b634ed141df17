#include "ui/qt/form_field.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velmora {
namespace {

/// The blank a line edit keeps on each side of its text, in pixels.
constexpr int kTextSideMarginPixels = 2;

}  // namespace

FormField::FormField(QWidget* parent) : QLineEdit(parent) {}

void FormField::showWholeText(const QString& text) {
  whole_ = text;
  if (hasFocus()) {
    setText(whole_);
    setToolTip(QString());
  } else {
    showFitting();
  }
}

QString FormField::wholeText() const { return hasFocus() ? text() : whole_; }

void FormField::focusInEvent(QFocusEvent* event) {
  if (text() != whole_) setText(whole_);
  QLineEdit::focusInEvent(event);
}

void FormField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  whole_ = text();
  showFitting();
}

void FormField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  if (!hasFocus()) showFitting();
}

void FormField::showFitting() {
  const QString shown = fontMetrics().elidedText(whole_, Qt::ElideRight, textWidthPixels());
  setText(shown);
  setCursorPosition(0);
  setToolTip(shown == whole_ ? QString() : whole_);
}

int FormField::textWidthPixels() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kTextSideMarginPixels;
}

}  // namespace velmora
