#include "engine/number_reader.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace velmora {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

/// True when the whole text is sign? mantissa exponent? in the accepted form.
bool isNumberSyntax(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t integerEnd = skipDigits(text, at);
  std::size_t digits = integerEnd - at;
  at = integerEnd;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionEnd = skipDigits(text, at + 1);
    digits += fractionEnd - (at + 1);
    at = fractionEnd;
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponentEnd = skipDigits(text, at);
    if (exponentEnd == at) return false;
    at = exponentEnd;
  }
  return at == text.size();
}

}  // namespace

ReadNumber readNumber(std::string_view text) {
  std::string_view token = trimBlanks(text);
  if (!isNumberSyntax(token)) return {};
  if (token.front() == '+') token.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
    return {NumberReading::OutOfRange, 0.0};
  }
  if (error != std::errc{} || end != token.data() + token.size()) return {};
  return {NumberReading::Number, value};
}

}  // namespace velmora
