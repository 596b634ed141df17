#include "json_checks.h"

#include "fuzz_failure.h"
#include "text_checks.h"

namespace velmora::fuzz {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return 0;
  }
  if (text.size() - at < length || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

class JsonReader {
 public:
  explicit JsonReader(std::string_view line) : text_(line) {}

  std::vector<std::string> record() {
    expect('{');
    std::vector<std::string> keys;
    if (!take('}')) {
      do {
        keys.push_back(stringValue());
        expect(':');
        value();
      } while (take(','));
      expect('}');
    }
    blanks();
    require(at_ == text_.size(), "a JSON record is one object", text_);
    return keys;
  }

 private:
  void value() {
    blanks();
    require(at_ < text_.size(), "a JSON value follows", text_);
    const char c = text_[at_];
    if (c == '{') {
      object();
    } else if (c == '[') {
      array();
    } else if (c == '"') {
      stringValue();
    } else if (c == '-' || isDigit(c)) {
      number();
    } else {
      literal();
    }
  }

  void object() {
    expect('{');
    if (take('}')) return;
    do {
      stringValue();
      expect(':');
      value();
    } while (take(','));
    expect('}');
  }

  void array() {
    expect('[');
    if (take(']')) return;
    do value();
    while (take(','));
    expect(']');
  }

  std::string stringValue() {
    expect('"');
    std::string raw;
    while (at_ < text_.size() && text_[at_] != '"') {
      const auto c = static_cast<unsigned char>(text_[at_]);
      require(c >= 0x20, "a JSON string has no raw control character", text_);
      if (c == '\\') {
        escape();
        continue;
      }
      const std::size_t length = utf8Length(text_, at_);
      require(length > 0, "a JSON string is valid UTF-8", text_);
      raw.append(text_.substr(at_, length));
      at_ += length;
    }
    expect('"');
    return raw;
  }

  void escape() {
    ++at_;
    require(at_ < text_.size(), "a JSON escape is complete", text_);
    const char c = text_[at_++];
    if (c != 'u') {
      require(std::string_view("\"\\/bfnrt").find(c) != std::string_view::npos, "a JSON escape is known", text_);
      return;
    }
    require(text_.size() - at_ >= 4, "a \\u escape has four digits", text_);
    for (int i = 0; i < 4; ++i, ++at_) {
      require(std::string_view("0123456789abcdefABCDEF").find(text_[at_]) != std::string_view::npos,
              "a \\u escape has four hex digits", text_);
    }
  }

  void number() {
    const std::size_t start = at_;
    next('-');
    require(at_ < text_.size() && isDigit(text_[at_]), "a JSON number has digits", text_);
    if (!next('0')) skipDigits();
    if (next('.')) requireDigits();
    if (next('e') || next('E')) {
      if (!next('+')) next('-');
      requireDigits();
    }
    const std::string_view number = text_.substr(start, at_ - start);
    const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
    require(!isNegativeZero(mantissa), "no JSON number is a negative zero", number);
  }

  void literal() {
    for (const std::string_view word : {"true", "false", "null"}) {
      if (text_.substr(at_).starts_with(word)) {
        at_ += word.size();
        return;
      }
    }
    invariantBroken("a JSON value is a number, string, object, array or literal", text_.substr(at_));
  }

  void skipDigits() {
    while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
  }
  void requireDigits() {
    require(at_ < text_.size() && isDigit(text_[at_]), "digits follow in a JSON number", text_);
    skipDigits();
  }
  void blanks() {
    while (at_ < text_.size() && std::string_view(" \t\r").find(text_[at_]) != std::string_view::npos) ++at_;
  }
  /// The character `c` after any blanks.
  bool take(char c) {
    blanks();
    return next(c);
  }
  /// The character `c` right here, blanks not skipped (inside a number).
  bool next(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void expect(char c) { require(take(c), std::string("JSON syntax: expected ") + c, text_.substr(at_)); }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<std::string> jsonRecordKeys(std::string_view line) { return JsonReader(line).record(); }

}  // namespace velmora::fuzz
