#include "input/gb18030_converter.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <stdexcept>

#include "input/utf8_text.h"

namespace velmora {
namespace {

iconv_t descriptorOf(void* descriptor) { return static_cast<iconv_t>(descriptor); }

}  // namespace

Gb18030Converter::Gb18030Converter() : descriptor_(iconv_open("UTF-8", "GB18030")) {
  if (descriptorOf(descriptor_) == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv cannot convert GB18030 to UTF-8 on this system");
  }
}

Gb18030Converter::~Gb18030Converter() { iconv_close(descriptorOf(descriptor_)); }

std::size_t Gb18030Converter::convert(std::string_view piece, std::string& out, bool isLast) {
  std::array<char, 4096> chunk{};
  char* in = const_cast<char*>(piece.data());  // iconv's interface; it does not write
  std::size_t inLeft = piece.size();
  while (inLeft > 0) {
    char* to = chunk.data();
    std::size_t toLeft = chunk.size();
    const std::size_t converted = iconv(descriptorOf(descriptor_), &in, &inLeft, &to, &toLeft);
    const int error = errno;
    out.append(chunk.data(), static_cast<std::size_t>(to - chunk.data()));
    if (converted != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    if (error == EINVAL && !isLast) break;  // a character continues in the next piece
    // Not GB18030 (EILSEQ), or a character cut off by the end of the text.
    out += kReplacementCharacter;
    ++replaced_;
    ++in;
    --inLeft;
  }
  return piece.size() - inLeft;
}

std::string Gb18030Converter::convertWhole(std::string_view text) {
  std::string out;
  convert(text, out, true);
  return out;
}

}  // namespace velmora
