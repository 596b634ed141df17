#include "ui/line_reply_source.h"

namespace velmora {

std::optional<std::string> LineReplySource::next() {
  std::string line;
  if (!std::getline(input_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace velmora
