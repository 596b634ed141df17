#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/decimal_rounding.h"
#include "engine/number_reader.h"

namespace velmora {
namespace {

// Enough for the fixed text of the largest double (309 digits) and its decimals.
using TextBuffer = std::array<char, 400>;

/// The digits of a whole number of 10^-decimals units, with the decimal point
/// placed and at least one digit before it; written from the last digit back.
std::string scaledDigits(std::uint64_t units, int decimals, bool negative) {
  std::array<char, 32> buffer{};  // 20 digits of a 64-bit number, a point, a sign
  char* first = buffer.data() + buffer.size();
  for (int written = 0; written < decimals; ++written) {
    *--first = static_cast<char>('0' + units % 10);
    units /= 10;
  }
  if (decimals > 0) *--first = '.';
  do {
    *--first = static_cast<char>('0' + units % 10);
    units /= 10;
  } while (units != 0);
  if (negative) *--first = '-';
  return std::string(first, buffer.data() + buffer.size());
}

std::string toFixedChars(double value, int decimals) {
  if (const std::optional<std::uint64_t> units = scaledHalfEven(value, decimals)) {
    return scaledDigits(*units, decimals, std::signbit(value));
  }
  TextBuffer buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  return std::string(buffer.data(), result.ptr);
}

/// "-0.000" and "-0" become "0.000" and "0": a rounded zero has no sign.
void dropNegativeZeroSign(std::string& text) {
  if (!text.empty() && text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
    text.erase(0, 1);
  }
}

void dropTrailingZeros(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
}

/// The plain form of a fixed text: no trailing zeros, no sign on zero.
std::string plainForm(std::string text) {
  dropTrailingZeros(text);
  dropNegativeZeroSign(text);
  return text;
}

/// Where a run of decimal digits that starts at `at` ends.
std::size_t digitRunEnd(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  return at;
}

/// A double keeps any decimal of 15 significant digits: the nearest double is
/// within half a unit of the 15th digit of it.
constexpr std::size_t kDigitsADoubleKeeps = 15;

/// A typed value written as plain decimals - an optional minus, whole digits
/// without a leading zero (or the single digit 0), and when there is a point,
/// 1 to `decimals` digits after it - reads as the double nearest to it, and
/// while its whole digits and `decimals` stay within the digits a double keeps,
/// that double rounds back to exactly the typed digits. The count of its digits
/// after the point for such a text, none for every other text.
std::optional<std::size_t> ownRoundingFractionDigits(std::string_view typed, int decimals) {
  const std::size_t wholeStart = !typed.empty() && typed.front() == '-' ? 1 : 0;
  const std::size_t wholeEnd = digitRunEnd(typed, wholeStart);
  const std::size_t wholeDigits = wholeEnd - wholeStart;
  if (wholeDigits == 0 || (wholeDigits > 1 && typed[wholeStart] == '0')) return std::nullopt;
  if (wholeDigits + static_cast<std::size_t>(decimals) > kDigitsADoubleKeeps) return std::nullopt;
  std::size_t fractionDigits = 0;
  if (wholeEnd < typed.size()) {
    if (typed[wholeEnd] != '.') return std::nullopt;
    const std::size_t fractionEnd = digitRunEnd(typed, wholeEnd + 1);
    fractionDigits = fractionEnd - (wholeEnd + 1);
    if (fractionEnd != typed.size() || fractionDigits == 0) return std::nullopt;
  }
  if (fractionDigits > static_cast<std::size_t>(decimals)) return std::nullopt;
  return fractionDigits;
}

/// Such a text under the pattern: padded with zeros to `decimals`, a negative zero without its sign.
std::string paddedWithZeros(std::string_view typed, std::size_t fractionDigits, int decimals) {
  const bool negativeZero = typed.front() == '-' && typed.find_first_not_of("-0.") == std::string_view::npos;
  const std::string_view digits = typed.substr(negativeZero ? 1 : 0);
  const bool addsPoint = decimals > 0 && fractionDigits == 0;
  const std::size_t padding = static_cast<std::size_t>(decimals) - fractionDigits;
  std::string text(digits.size() + (addsPoint ? 1 : 0) + padding, '0');
  digits.copy(text.data(), digits.size());
  if (addsPoint) text[digits.size()] = '.';
  return text;
}

}  // namespace

std::string fixedText(double value, int decimals) {
  std::string text = toFixedChars(value, decimals);
  dropNegativeZeroSign(text);
  return text;
}

double roundHalfEven(double value, int decimals) {
  if (const std::optional<std::uint64_t> units = scaledHalfEven(value, decimals)) {
    // Both operands are exact, so the one division rounds to the double nearest the decimal.
    constexpr std::array<double, 10> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double magnitude = static_cast<double>(*units) / kPowersOfTen[static_cast<std::size_t>(decimals)];
    return magnitude == 0.0 ? 0.0 : std::copysign(magnitude, value);
  }
  const std::string text = toFixedChars(value, decimals);
  double rounded = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return rounded == 0.0 ? 0.0 : rounded;
}

std::string plainText(double value) {
  TextBuffer buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return plainForm(std::string(buffer.data(), result.ptr));
}

std::string plainRoundedText(double value, int decimals) { return plainForm(toFixedChars(value, decimals)); }

std::string plainSingleText(float value) {
  const double wide = value;
  if (std::fabs(wide) >= 1e7) return fixedText(std::nearbyint(wide), 0);
  if (wide == 0.0) return "0";
  // Seven significant digits: from 1 up, the count of integer digits says how
  // many decimals they reach; below 1 the scientific text tells.
  const double magnitude = std::fabs(wide);
  if (magnitude >= 1.0) {
    int integerDigits = 1;
    for (double power = 10.0; power <= magnitude; power *= 10.0) ++integerDigits;
    return plainRoundedText(wide, 7 - integerDigits);
  }
  // Below 1: the decimal exponent, read off the correctly rounded scientific text.
  TextBuffer buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), wide, std::chars_format::scientific, 6);
  const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  int exponent = 0;
  const std::string_view exponentText = scientific.substr(scientific.find('e') + 1);
  std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), exponent);
  return plainRoundedText(wide, std::max(0, 6 - exponent));
}

std::string relativeErrorDenominatorText(std::optional<float> m) { return m ? plainSingleText(*m) : "∞"; }

std::string typedValueText(const std::string& typed, int decimals) {
  if (const std::optional<std::size_t> fractionDigits = ownRoundingFractionDigits(typed, decimals)) {
    return paddedWithZeros(typed, *fractionDigits, decimals);
  }
  const ReadNumber number = readNumber(typed);
  if (number.reading != NumberReading::Number) return typed;
  return fixedText(number.value, decimals);
}

}  // namespace velmora
