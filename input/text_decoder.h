// The text of a file as UTF-8, read piece by piece in constant memory, whatever
// the file was saved in. A UTF-8 byte order mark at the start is removed. With
// TextEncoding::Automatic the file is read as UTF-8 until its first byte beyond
// ASCII; when the text from there (as far as the piece read holds it) is not
// valid UTF-8, the file is GB18030 from then on (ASCII is the same in both).
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <memory>
#include <string>

#include "input/gb18030_converter.h"
#include "input/text_encoding.h"

namespace velmora {

class TextDecoder {
 public:
  TextDecoder(std::istream& input, TextEncoding encoding) : input_(input), encoding_(encoding) {}

  /// Up to `capacity` (at least 4) bytes of UTF-8 text into `out`; 0 only at the end of the input.
  std::size_t read(char* out, std::size_t capacity);

  /// The encoding of the text so far: Automatic while it has been ASCII only.
  TextEncoding encoding() const { return encoding_; }

  /// Sequences that were not GB18030, each read as U+FFFD.
  std::size_t replacedSequences() const { return converter_ ? converter_->replacedSequences() : 0; }

 private:
  std::size_t readRaw(char* out, std::size_t capacity);
  std::size_t readAutomatic(char* out, std::size_t capacity);
  std::size_t readConverted(char* out, std::size_t capacity);
  void switchToGb18030(std::string_view undecoded);

  std::istream& input_;
  TextEncoding encoding_;
  bool started_ = false;
  std::unique_ptr<Gb18030Converter> converter_;
  std::string undecoded_;  ///< GB18030 bytes read but not yet converted
  std::string decoded_;    ///< converted text not yet handed out
  std::size_t decodedAt_ = 0;
};

}  // namespace velmora
