#include "input/utf8_text.h"

namespace velmora {

namespace {

/// A sequence that is valid, not valid, or valid so far but cut short by the end of the text.
enum class Sequence { Valid, Invalid, Cut };

struct SequenceCheck {
  Sequence kind;
  std::size_t length;
};

SequenceCheck checkSequence(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {Sequence::Valid, 1};
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {Sequence::Invalid, 0};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return {Sequence::Cut, 0};
    const unsigned char lowest = i == 1 ? low : 0x80, highest = i == 1 ? high : 0xBF;
    if (byte(at + i) < lowest || byte(at + i) > highest) return {Sequence::Invalid, 0};
  }
  return {Sequence::Valid, length};
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const SequenceCheck check = checkSequence(text, at);
  return check.kind == Sequence::Valid ? check.length : 0;
}

std::size_t validUtf8Length(std::string_view text, bool mayBeCut) {
  std::size_t at = 0;
  while (at < text.size()) {
    const SequenceCheck check = checkSequence(text, at);
    if (check.kind == Sequence::Cut && mayBeCut) return text.size();
    if (check.kind != Sequence::Valid) return at;
    at += check.length;
  }
  return at;
}

std::size_t appendUtf8Character(std::string& out, std::string_view text, std::size_t at) {
  const std::size_t length = utf8SequenceLength(text, at);
  if (length == 0) {
    out += kReplacementCharacter;
    return 1;
  }
  out.append(text.substr(at, length));
  return length;
}

std::string quotedBeginning(std::string_view text) {
  std::string quoted = "“";
  std::size_t at = 0;
  for (std::size_t characters = 0; at < text.size() && characters < kQuotedCharacters; ++characters) {
    at += appendUtf8Character(quoted, text, at);
  }
  if (at < text.size()) quoted += "…";
  return quoted + "”";
}

}  // namespace velmora
