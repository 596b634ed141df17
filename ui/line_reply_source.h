// Replies one per line from a stream, read only when a prompt asks (never
// ahead, so that a person at a terminal is never waited for twice): a line's
// LF or CRLF ending is removed, and a UTF-8 byte order mark before the first
// line. With TextEncoding::Automatic the first line beyond ASCII decides the
// encoding: valid UTF-8 is UTF-8, otherwise the replies are GB18030 from then
// on (said once on the notice stream). A line longer than kMaxReplyBytes ends
// the replies: it is read past without being kept, and refusal() says why.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "input/gb18030_converter.h"
#include "input/text_encoding.h"

namespace velmora {

class LineReplySource {
 public:
  static constexpr std::size_t kMaxReplyBytes = 4096;

  explicit LineReplySource(std::istream& input, TextEncoding encoding = TextEncoding::Automatic,
                           std::ostream* notices = nullptr)
      : input_(input), encoding_(encoding), notices_(notices) {}

  /// The next reply as UTF-8, or none when the stream has ended or a line was too long.
  std::optional<std::string> next();

  /// Why the replies ended early: a line too long, with its length and its beginning quoted.
  const std::optional<std::string>& refusal() const { return refusal_; }

 private:
  /// The raw line into line_; false at the end. Returns its whole length in `length`.
  bool readLine(std::size_t& length);
  std::string decoded(std::string line);

  std::istream& input_;
  TextEncoding encoding_;
  std::ostream* notices_;
  std::size_t linesRead_ = 0;
  std::string line_;
  std::unique_ptr<Gb18030Converter> converter_;
  std::optional<std::string> refusal_;
};

}  // namespace velmora
