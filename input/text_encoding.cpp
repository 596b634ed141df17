#include "input/text_encoding.h"

#include <algorithm>
#include <string>

namespace velmora {

std::optional<TextEncoding> encodingNamed(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "auto") return TextEncoding::Automatic;
  if (lower == "utf-8" || lower == "utf8") return TextEncoding::Utf8;
  if (lower == "gb18030") return TextEncoding::Gb18030;
  return std::nullopt;
}

std::string_view encodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Gb18030: return "GB18030";
    case TextEncoding::Utf8:
    case TextEncoding::Automatic: break;
  }
  return "UTF-8";
}

}  // namespace velmora
