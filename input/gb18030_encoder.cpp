#include "input/gb18030_encoder.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "input/utf8_text.h"

namespace velmora {
namespace {

/// One iconv descriptor for the length of a conversion.
class Utf8ToGb18030 {
 public:
  Utf8ToGb18030() : descriptor_(iconv_open("GB18030", "UTF-8")) {}
  ~Utf8ToGb18030() {
    if (usable()) iconv_close(descriptor_);
  }
  Utf8ToGb18030(const Utf8ToGb18030&) = delete;
  Utf8ToGb18030& operator=(const Utf8ToGb18030&) = delete;

  bool usable() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  /// False when iconv stops before the end of `text`.
  bool convert(std::string_view text, std::string& out) {
    std::array<char, 4096> chunk{};
    char* in = const_cast<char*>(text.data());  // iconv's interface; it does not write
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
      char* to = chunk.data();
      std::size_t toLeft = chunk.size();
      const std::size_t converted = iconv(descriptor_, &in, &inLeft, &to, &toLeft);
      const int error = errno;
      out.append(chunk.data(), static_cast<std::size_t>(to - chunk.data()));
      if (converted == static_cast<std::size_t>(-1) && error != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t descriptor_;
};

}  // namespace

std::optional<std::string> utf8ToGb18030(std::string_view utf8) {
  if (!isValidUtf8(utf8)) return std::nullopt;
  Utf8ToGb18030 converter;
  std::string out;
  if (!converter.usable() || !converter.convert(utf8, out)) return std::nullopt;
  return out;
}

}  // namespace velmora
