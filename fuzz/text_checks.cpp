#include "text_checks.h"

#include <array>

#include "fuzz_failure.h"

namespace velmora::fuzz {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetterIgnoringCase(char c, char lower) { return c == lower || c == lower - ('a' - 'A'); }

bool matchesWordIgnoringCase(std::string_view text, std::size_t at, std::string_view lowerWord) {
  if (text.size() - at < lowerWord.size()) return false;
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    if (!isLetterIgnoringCase(text[at + i], lowerWord[i])) return false;
  }
  return true;
}

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

/// The end of the decimal number whose first digit is at `at`.
std::size_t endOfDecimal(std::string_view text, std::size_t at) {
  at = skipDigits(text, at);
  if (at + 1 < text.size() && text[at] == '.' && isDigit(text[at + 1])) at = skipDigits(text, at + 1);
  return at;
}

/// An 'e' or 'E' at `at` followed by an optionally signed digit.
bool isExponentAt(std::string_view text, std::size_t at) {
  if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return false;
  std::size_t digit = at + 1;
  if (digit < text.size() && (text[digit] == '+' || text[digit] == '-')) ++digit;
  return digit < text.size() && isDigit(text[digit]);
}

/// A minus at `at` that signs what follows, not one that subtracts ("10-0").
bool isSignAt(std::string_view text, std::size_t at) {
  return at < text.size() && text[at] == '-' && (at == 0 || (!isDigit(text[at - 1]) && text[at - 1] != '.'));
}

bool startsNumber(std::string_view text, std::size_t at) {
  return isDigit(text[at]) && (at == 0 || (!isDigit(text[at - 1]) && text[at - 1] != '.'));
}

}  // namespace

bool isNegativeZero(std::string_view number) {
  return number.size() > 1 && number.front() == '-' && number.find_first_not_of("0.", 1) == std::string_view::npos &&
         number.find('0') != std::string_view::npos;
}

bool isPlainDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return !text.empty() && isDigit(text.front()) && endOfDecimal(text, 0) == text.size();
}

std::optional<std::string> undefinedNumberIn(std::string_view text) {
  constexpr std::array<std::string_view, 2> kUndefinedWords = {"inf", "nan"};
  for (std::size_t at = 0; at < text.size(); ++at) {
    for (const std::string_view word : kUndefinedWords) {
      if (matchesWordIgnoringCase(text, at, word)) return "\"" + std::string(text.substr(at, word.size())) + "\"";
    }
    if (!startsNumber(text, at)) continue;
    const std::size_t start = isSignAt(text, at - 1) ? at - 1 : at;
    const std::size_t end = endOfDecimal(text, at);
    const std::string_view number = text.substr(start, end - start);
    if (isNegativeZero(number)) return "negative zero " + std::string(number);
    if (isExponentAt(text, end)) return "exponent after " + std::string(number);
    at = end - 1;
  }
  return std::nullopt;
}

void requireCleanText(std::string_view text, std::string_view what) {
  if (const std::optional<std::string> fault = undefinedNumberIn(text)) {
    invariantBroken(std::string(what) + ": " + *fault, text);
  }
}

}  // namespace velmora::fuzz
