// The window's labels, fields and buttons, created once from the layout table
// as children of the window and looked up by their names (Label1, Text1,
// Command1, ...). Each widget's object name is its control name.
#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {

class FormField;

class FormControls {
 public:
  /// Creates every control of the layout on `window` in its place, with its
  /// caption, font and colours, and chains the keyboard focus.
  explicit FormControls(QWidget& window);

  /// The control of that name; throws std::out_of_range for an unknown name.
  QLabel& label(std::string_view name) const;
  FormField& field(std::string_view name) const;
  QPushButton& button(std::string_view name) const;

  /// Every text field, Text1 to Text26.
  std::vector<FormField*> fields() const;

  /// The field that has the focus when the window opens.
  FormField& firstField() const;

  /// Shows `caption` on a label, wrapped at blanks to the label's width. The
  /// caption as given stays the label's accessible name.
  static void showCaption(QLabel& label, const QString& caption);

 private:
  void chainFocus() const;

  std::map<std::string, QLabel*, std::less<>> labels_;
  std::map<std::string, FormField*, std::less<>> fields_;
  std::map<std::string, QPushButton*, std::less<>> buttons_;
};

}  // namespace velmora
