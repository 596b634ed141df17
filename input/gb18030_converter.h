// GB18030 text converted to UTF-8 by the C library's iconv, piece by piece:
// a character cut by the end of one piece is completed by the next. A byte
// sequence that is not GB18030 becomes U+FFFD and is counted, never dropped
// silently.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

class Gb18030Converter {
 public:
  Gb18030Converter();
  ~Gb18030Converter();
  Gb18030Converter(const Gb18030Converter&) = delete;
  Gb18030Converter& operator=(const Gb18030Converter&) = delete;

  /// Appends the UTF-8 of `piece` to `out`. Without `isLast`, bytes at the end
  /// that begin a character are kept for the next piece; returns how many of
  /// `piece`'s bytes were used.
  std::size_t convert(std::string_view piece, std::string& out, bool isLast);

  /// A whole text, for a reply line.
  std::string convertWhole(std::string_view text);

  /// Sequences replaced by U+FFFD so far.
  std::size_t replacedSequences() const { return replaced_; }

 private:
  void* descriptor_;  // iconv_t
  std::size_t replaced_ = 0;
};

}  // namespace velmora
