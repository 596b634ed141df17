// A result value's text as the CSV writer writes it: nothing for no value, a
// number at full precision (shortest_number.h), true or false, a text of the
// program's own as it is, the flagged angles' 1-based numbers blank-separated.
// A table that shows result values shows them in these same texts.
#pragma once

#include <string>

#include "output/result_columns.h"

namespace velmora {

void appendValueText(std::string& out, const ResultValue& value);

/// The numbers (1..9) of the flagged angles, `separator` between them.
void appendFlaggedNumbers(std::string& out, const FlaggedAngles& flagged, char separator);

}  // namespace velmora
