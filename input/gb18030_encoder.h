// UTF-8 text converted to GB18030 by the C library's iconv, for writing a
// field back into a file that was read as GB18030. GB18030 holds every
// Unicode character, so only bytes that are not valid UTF-8 cannot be
// converted; then nothing is returned rather than a guess.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

/// The GB18030 bytes of `utf8`: "中心点甲" gives D6 D0 D0 C4 B5 E3 BC D7, ASCII
/// stays as it is, U+1F600 takes four bytes (94 39 FC 36). None when `utf8` is
/// not valid UTF-8 ("\xFF", a cut sequence "\xE4\xB8") or iconv cannot convert.
std::optional<std::string> utf8ToGb18030(std::string_view utf8);

}  // namespace velmora
