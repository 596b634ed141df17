// The columns a UTF-8 text takes on a terminal: two for each wide East Asian
// character (CJK ideographs, kana, hangul, full-width forms), one for every
// other character, ° ′ ″ among them.
#pragma once

#include <cstddef>
#include <string_view>

namespace velmora {

std::size_t displayWidth(std::string_view text);

/// The byte length of the UTF-8 character that starts at `text[at]` (1 for a stray byte).
std::size_t characterLength(std::string_view text, std::size_t at);

/// Columns of the one character at `text[at]`.
std::size_t characterWidth(std::string_view text, std::size_t at);

}  // namespace velmora
