// What the window takes from a value typed at its prompts or in its data
// sheet. An input method may give full-width forms of digits, the point and
// the signs; a coordinate or an angle takes their ASCII forms:
//   "３１４６．２３１" -> "3146.231"    "－１２" -> "-12"    "＋5" -> "+5"
//   "1.5Ｅ3" -> "1.5E3"    "−12" (U+2212 minus sign) -> "-12"
// Everything else stays as typed (blanks, letters, "3146,231"); a point name
// is always kept as typed. The console and reply files never pass through here.
#pragma once

#include <string>
#include <string_view>

#include "ui/sheet_entries.h"

namespace velmora {

/// The text the window keeps for `typed` as an entry of that kind.
std::string windowEntryText(DisplayKind kind, std::string_view typed);

}  // namespace velmora
