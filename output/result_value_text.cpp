#include "output/result_value_text.h"

#include "output/shortest_number.h"

namespace velmora {

void appendValueText(std::string& out, const ResultValue& value) {
  if (const float* single = std::get_if<float>(&value)) {
    appendShortest(out, *single);
  } else if (const double* wide = std::get_if<double>(&value)) {
    appendShortest(out, *wide);
  } else if (const std::size_t* whole = std::get_if<std::size_t>(&value)) {
    appendWhole(out, *whole);
  } else if (const bool* truth = std::get_if<bool>(&value)) {
    out += *truth ? "true" : "false";
  } else if (const ProgramText* text = std::get_if<ProgramText>(&value)) {
    out += text->text;
  } else if (const FlaggedAngles* flagged = std::get_if<FlaggedAngles>(&value)) {
    appendFlaggedNumbers(out, *flagged, ' ');
  }
}

void appendFlaggedNumbers(std::string& out, const FlaggedAngles& flagged, char separator) {
  bool first = true;
  for (std::size_t n = 1; n <= flagged.flags->size(); ++n) {
    if (!(*flagged.flags)[n]) continue;
    if (!first) out += separator;
    appendWhole(out, n);
    first = false;
  }
}

}  // namespace velmora
