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
};

}  // namespace velmora
