#include "input/text_decoder.h"

#include <algorithm>
#include <cstring>

#include "input/utf8_text.h"

namespace velmora {
namespace {

constexpr std::size_t kRawPiece = std::size_t{1} << 16;

/// Where the first byte beyond ASCII is, or `size`. Or-ing whole blocks lets
/// the compiler check many bytes at once; ASCII files pass through this only.
std::size_t firstNonAscii(const char* text, std::size_t size) {
  constexpr std::size_t kBlock = 64;
  std::size_t at = 0;
  for (; at + kBlock <= size; at += kBlock) {
    unsigned char any = 0;
    for (std::size_t i = 0; i < kBlock; ++i) any |= static_cast<unsigned char>(text[at + i]);
    if ((any & 0x80) != 0) break;
  }
  while (at < size && static_cast<unsigned char>(text[at]) < 0x80) ++at;
  return at;
}

}  // namespace

std::size_t TextDecoder::read(char* out, std::size_t capacity) {
  switch (encoding_) {
    case TextEncoding::Utf8: return readRaw(out, capacity);
    case TextEncoding::Gb18030: return readConverted(out, capacity);
    case TextEncoding::Automatic: break;
  }
  return readAutomatic(out, capacity);
}

std::size_t TextDecoder::readRaw(char* out, std::size_t capacity) {
  input_.read(out, static_cast<std::streamsize>(capacity));
  std::size_t size = static_cast<std::size_t>(input_.gcount());
  if (!started_) {
    started_ = true;
    if (encoding_ != TextEncoding::Gb18030 && std::string_view(out, size).starts_with(kUtf8ByteOrderMark)) {
      size -= kUtf8ByteOrderMark.size();
      std::memmove(out, out + kUtf8ByteOrderMark.size(), size);
      if (encoding_ == TextEncoding::Automatic) encoding_ = TextEncoding::Utf8;
      if (size == 0) return readRaw(out, capacity);
    }
  }
  return size;
}

std::size_t TextDecoder::readAutomatic(char* out, std::size_t capacity) {
  const std::size_t size = readRaw(out, capacity);
  if (encoding_ != TextEncoding::Automatic) return size;
  const std::size_t ascii = firstNonAscii(out, size);
  if (ascii == size) return size;
  const std::string_view rest(out + ascii, size - ascii);
  if (validUtf8Length(rest, !input_.eof()) == rest.size()) {
    encoding_ = TextEncoding::Utf8;
    return size;
  }
  switchToGb18030(rest);
  return ascii > 0 ? ascii : readConverted(out, capacity);
}

void TextDecoder::switchToGb18030(std::string_view undecoded) {
  encoding_ = TextEncoding::Gb18030;
  undecoded_.assign(undecoded);
}

std::size_t TextDecoder::readConverted(char* out, std::size_t capacity) {
  if (!converter_) converter_ = std::make_unique<Gb18030Converter>();
  while (decodedAt_ == decoded_.size()) {
    decoded_.clear();
    decodedAt_ = 0;
    const std::size_t kept = undecoded_.size();
    undecoded_.resize(kept + kRawPiece);
    input_.read(undecoded_.data() + kept, static_cast<std::streamsize>(kRawPiece));
    undecoded_.resize(kept + static_cast<std::size_t>(input_.gcount()));
    if (undecoded_.empty()) return 0;
    const bool isLast = input_.eof();
    const std::size_t used = converter_->convert(undecoded_, decoded_, isLast);
    undecoded_.erase(0, used);
    if (isLast) undecoded_.clear();
  }
  const std::size_t size = std::min(capacity, decoded_.size() - decodedAt_);
  std::memcpy(out, decoded_.data() + decodedAt_, size);
  decodedAt_ += size;
  return size;
}

}  // namespace velmora
