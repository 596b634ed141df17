#include "ui/line_reply_source.h"

#include "input/utf8_text.h"

namespace velmora {
namespace {

bool isAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool LineReplySource::readLine(std::size_t& length) {
  line_.clear();
  length = 0;
  std::streambuf* const stream = input_.rdbuf();
  for (;;) {
    const int c = stream->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      input_.setstate(std::ios::eofbit);
      return length > 0;
    }
    if (c == '\n') return true;
    if (line_.size() <= kMaxReplyBytes) line_ += static_cast<char>(c);
    ++length;
  }
}

std::optional<std::string> LineReplySource::next() {
  if (refusal_) return std::nullopt;
  std::size_t length = 0;
  if (!readLine(length)) return std::nullopt;
  ++linesRead_;
  if (linesRead_ == 1 && encoding_ != TextEncoding::Gb18030 && line_.starts_with(kUtf8ByteOrderMark)) {
    line_.erase(0, kUtf8ByteOrderMark.size());
    length -= kUtf8ByteOrderMark.size();
    if (encoding_ == TextEncoding::Automatic) encoding_ = TextEncoding::Utf8;
  }
  if (!line_.empty() && line_.back() == '\r' && length <= kMaxReplyBytes + 1) {
    line_.pop_back();
    --length;
  }
  if (length > kMaxReplyBytes) {
    refusal_ = "第 " + std::to_string(linesRead_) + " 行的回答长 " + std::to_string(length) + " 字节，超过 " +
               std::to_string(kMaxReplyBytes) + " 字节：" + quotedBeginning(decoded(line_));
    return std::nullopt;
  }
  return decoded(line_);
}

std::string LineReplySource::decoded(std::string line) {
  if (encoding_ == TextEncoding::Automatic && !isAscii(line)) {
    encoding_ = isValidUtf8(line) ? TextEncoding::Utf8 : TextEncoding::Gb18030;
    if (encoding_ == TextEncoding::Gb18030 && notices_)
      *notices_ << "velmora-cli: 回答不是 UTF-8 文本，已按 GB18030 读取\n";
  }
  if (encoding_ != TextEncoding::Gb18030) return line;
  if (!converter_) converter_ = std::make_unique<Gb18030Converter>();
  return converter_->convertWhole(line);
}

}  // namespace velmora
