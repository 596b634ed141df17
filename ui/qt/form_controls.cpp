#include "ui/qt/form_controls.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "ui/qt/caption_wrap.h"
#include "ui/qt/font_faces.h"
#include "ui/qt/form_field.h"
#include "ui/qt/form_layout.h"

namespace velmora {
namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QColor toColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

/// A button face filled with exactly `colour` inside a raised bevel (light
/// above and left, grey below and right) that sinks while pressed; the
/// platform style would shade the colour. The focus darkens the lower edges.
QString colouredButtonStyle(const QColor& colour) {
  return QStringLiteral(
             "QPushButton { background-color: %1; border: 2px solid; border-color: #ffffff #808080 #808080 #ffffff; }"
             "QPushButton:focus { border-color: #ffffff #404040 #404040 #ffffff; }"
             "QPushButton:pressed { border-color: #808080 #ffffff #ffffff #808080; }")
      .arg(colour.name());
}

void place(QWidget& widget, const ControlPlacement& control) {
  widget.setObjectName(fromView(control.name));
  widget.setGeometry(twipsToPixels(control.leftTwips), twipsToPixels(control.topTwips),
                     twipsToPixels(control.widthTwips), twipsToPixels(control.heightTwips));
  widget.setFont(formFont(control.font));
}

QLabel* makeLabel(QWidget& window, const ControlPlacement& control) {
  auto* label = new QLabel(&window);
  place(*label, control);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  FormControls::showCaption(*label, fromView(control.caption));
  return label;
}

FormField* makeField(QWidget& window, const ControlPlacement& control) {
  auto* field = new FormField(&window);
  place(*field, control);
  return field;
}

QPushButton* makeButton(QWidget& window, const ControlPlacement& control) {
  auto* button = new QPushButton(fromView(control.caption), &window);
  place(*button, control);
  button->setAutoDefault(false);
  button->setDefault(false);
  if (control.buttonColour) button->setStyleSheet(colouredButtonStyle(toColor(*control.buttonColour)));
  return button;
}

template <typename Widget>
Widget& find(const std::map<std::string, Widget*, std::less<>>& widgets, std::string_view name) {
  const auto found = widgets.find(name);
  if (found == widgets.end()) throw std::out_of_range("no control named " + std::string(name));
  return *found->second;
}

}  // namespace

FormControls::FormControls(QWidget& window) {
  for (const ControlPlacement& control : formControls()) {
    const std::string name(control.name);
    switch (control.kind) {
      case ControlKind::Label: labels_.emplace(name, makeLabel(window, control)); break;
      case ControlKind::Field: fields_.emplace(name, makeField(window, control)); break;
      case ControlKind::Button: buttons_.emplace(name, makeButton(window, control)); break;
    }
  }
  chainFocus();
}

QLabel& FormControls::label(std::string_view name) const { return find(labels_, name); }

FormField& FormControls::field(std::string_view name) const { return find(fields_, name); }

QPushButton& FormControls::button(std::string_view name) const { return find(buttons_, name); }

std::vector<FormField*> FormControls::fields() const {
  std::vector<FormField*> all;
  for (const auto& [name, field] : fields_) all.push_back(field);
  return all;
}

FormField& FormControls::firstField() const { return field(focusOrder().front()); }

void FormControls::showCaption(QLabel& label, const QString& caption) {
  const QFontMetricsF metrics(label.font());
  label.setAccessibleName(caption);
  label.setText(wrapCaption(caption, label.contentsRect().width(),
                            [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }));
}

void FormControls::chainFocus() const {
  QWidget* previous = nullptr;
  for (const std::string_view name : focusOrder()) {
    QWidget* next = fields_.contains(name) ? static_cast<QWidget*>(&field(name)) : &button(name);
    if (previous != nullptr) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

}  // namespace velmora
