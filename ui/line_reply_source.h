// Replies one per line from a stream, read only when a prompt asks: a line's
// LF or CRLF ending is removed and nothing else; an empty line is the empty reply.
#pragma once

#include <istream>
#include <optional>
#include <string>

namespace velmora {

class LineReplySource {
 public:
  explicit LineReplySource(std::istream& input) : input_(input) {}
  /// The next reply, or none when the stream has ended.
  std::optional<std::string> next();

 private:
  std::istream& input_;
};

}  // namespace velmora
