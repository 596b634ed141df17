// The form's controls that the compute flow writes, named by id so that a
// wrong name fails to compile: the fields Text1..Text26 and the four labels
// that caption the angles and the triangle misclosure. A window finds its
// widget by the control's name ("Text11"); traces print the name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

enum class FieldId : std::uint8_t {
  Text1 = 1,
  Text2,
  Text3,
  Text4,
  Text5,
  Text6,
  Text7,
  Text8,
  Text9,
  Text10,
  Text11,
  Text12,
  Text13,
  Text14,
  Text15,
  Text16,
  Text17,
  Text18,
  Text19,
  Text20,
  Text21,
  Text22,
  Text23,
  Text24,
  Text25,
  Text26,
};

inline constexpr std::size_t kFieldIds = 26;

enum class LabelId : std::uint8_t {
  Label12 = 12,  ///< the distance angle's caption, "A(i)"
  Label13 = 13,  ///< the advance angle's, "B(i)"
  Label14 = 14,  ///< the central angle's, "C(i)"
  Label17 = 17,  ///< the triangle misclosure's, "w(i)"
};

/// "Text1" .. "Text26".
constexpr std::string_view controlName(FieldId field) {
  constexpr std::array<std::string_view, kFieldIds> kNames{
      "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",  "Text9",
      "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
      "Text19", "Text20", "Text21", "Text22", "Text23", "Text24", "Text25", "Text26"};
  return kNames[static_cast<std::size_t>(field) - 1];
}

/// "Label12", "Label13", "Label14", "Label17".
constexpr std::string_view controlName(LabelId label) {
  switch (label) {
    case LabelId::Label12: return "Label12";
    case LabelId::Label13: return "Label13";
    case LabelId::Label14: return "Label14";
    case LabelId::Label17: return "Label17";
  }
  return "";
}

}  // namespace velmora
