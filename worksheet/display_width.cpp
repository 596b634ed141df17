#include "worksheet/display_width.h"

#include <array>
#include <cstdint>

namespace velmora {
namespace {

struct Range {
  char32_t first, last;
};

constexpr std::array<Range, 9> kWideRanges{{{0x1100, 0x115F},
                                            {0x2E80, 0x303E},
                                            {0x3041, 0xA4CF},
                                            {0xAC00, 0xD7A3},
                                            {0xF900, 0xFAFF},
                                            {0xFE30, 0xFE4F},
                                            {0xFF00, 0xFF60},
                                            {0xFFE0, 0xFFE6},
                                            {0x20000, 0x3FFFD}}};

char32_t codePointAt(std::string_view text, std::size_t at, std::size_t length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return lead;
  char32_t code = lead & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3FU);
  return code;
}

}  // namespace

std::size_t characterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return at + length <= text.size() ? length : 1;
}

std::size_t characterWidth(std::string_view text, std::size_t at) {
  const char32_t code = codePointAt(text, at, characterLength(text, at));
  for (const Range& range : kWideRanges) {
    if (code >= range.first && code <= range.last) return 2;
  }
  return 1;
}

std::size_t displayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t at = 0; at < text.size(); at += characterLength(text, at)) width += characterWidth(text, at);
  return width;
}

}  // namespace velmora
