#include "input/text_escaping.h"

#include "input/utf8_text.h"

namespace velmora {
namespace {

void appendControlEscape(std::string& out, unsigned char c) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += "\\u00";
  out += kHex[c >> 4];
  out += kHex[c & 0x0F];
}

/// The text with every byte that is not valid UTF-8 read as U+FFFD.
void appendValidUtf8(std::string& out, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t valid = validUtf8Length(text.substr(at));
    out.append(text.substr(at, valid));
    at += valid;
    if (at < text.size()) {
      out += kReplacementCharacter;
      ++at;
    }
  }
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 0x80) {
      at += appendUtf8Character(out, text, at);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      appendControlEscape(out, c);
    } else {
      out += static_cast<char>(c);
    }
    ++at;
  }
  out += '"';
}

void appendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",;\t\"\r\n") == std::string_view::npos) {
    appendValidUtf8(out, text);
    return;
  }
  std::string doubled;
  for (const char c : text) {
    if (c == '"') doubled += '"';
    doubled += c;
  }
  out += '"';
  appendValidUtf8(out, doubled);
  out += '"';
}

std::string xmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= 0x80) {
      at += appendUtf8Character(out, text, at);
      continue;
    }
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      out += kReplacementCharacter;  // XML 1.0 holds no other control character
    } else if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else {
      out += static_cast<char>(c);
    }
    ++at;
  }
  return out;
}

}  // namespace velmora
