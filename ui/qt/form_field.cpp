#include "ui/qt/form_field.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velmora {
namespace {

/// The blank a line edit keeps on each side of its text, in pixels.
constexpr int kTextSideMarginPixels = 2;

const QColor kStaleText(128, 128, 128);

}  // namespace

FormField::FormField(QWidget* parent) : QLineEdit(parent) { setReadOnly(true); }

void FormField::showWholeText(const QString& text) {
  whole_ = text;
  if (hasFocus()) {
    setText(whole_);
    showToolTip(false);
  } else {
    showFitting();
  }
}

QString FormField::wholeText() const { return hasFocus() ? text() : whole_; }

void FormField::setStale(bool stale) {
  if (stale == stale_) return;
  stale_ = stale;
  QPalette colours = palette();
  colours.setColor(QPalette::Text, stale_ ? kStaleText : QApplication::palette(this).color(QPalette::Text));
  setPalette(colours);
  showToolTip(!hasFocus() && text() != whole_);
}

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
  showToolTip(shown != whole_);
}

void FormField::showToolTip(bool shortened) {
  QStringList tip;
  if (stale_) tip << QStringLiteral("上一次计算的结果");
  if (shortened) tip << whole_;
  setToolTip(tip.join('\n'));
}

int FormField::textWidthPixels() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kTextSideMarginPixels;
}

}  // namespace velmora
