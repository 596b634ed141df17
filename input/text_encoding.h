// The encodings in which Velmora reads figure files and reply files. Files are
// UTF-8 (with or without a byte order mark) or GB18030, the encoding Excel and
// Notepad write on a Chinese Windows system (GBK and GB2312 are subsets of it).
// Whatever a file was saved in, Velmora's own texts and output are UTF-8.
#pragma once

#include <optional>
#include <string_view>

namespace velmora {

enum class TextEncoding {
  Automatic,  ///< UTF-8 when the text is valid UTF-8, otherwise GB18030
  Utf8,
  Gb18030,
};

/// "auto", "utf-8" or "gb18030" (as the --encoding option spells them; case
/// and the hyphen of utf-8 do not matter), or none for any other name.
std::optional<TextEncoding> encodingNamed(std::string_view name);

/// "UTF-8" or "GB18030" as a message names it.
std::string_view encodingName(TextEncoding encoding);

}  // namespace velmora
