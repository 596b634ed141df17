// The two output operations through which every stage shows a value: replace
// a text field's text (Text1..Text26) or a label's caption (Label1..Label60).
// Nothing is ever read back from the window.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class ResultDisplay {
 public:
  virtual ~ResultDisplay() = default;
  virtual void setFieldText(std::string_view field, const std::string& text) = 0;
  virtual void setLabelCaption(std::string_view label, const std::string& text) = 0;
  /// False for a display that keeps no field texts (a batch reads the results
  /// from the state): the stages then skip formatting the texts of their
  /// results. The values computed and stored are the same either way.
  virtual bool showsTexts() const { return true; }
};

}  // namespace velmora
