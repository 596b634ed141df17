#include "engine/number_reader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
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

/// Exact powers of ten: every one up to 10^22 is a double.
constexpr std::array<double, 23> kExactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactWhole = std::uint64_t{1} << 53;
constexpr int kMostDigits = 19;         // a uint64 holds any 19 decimal digits
constexpr int kMostExponentDigits = 4;  // beyond, the exponent is not counted here

/// One pass over a trimmed text: whether it is sign? mantissa exponent? in the
/// accepted form, and its digits as a whole number with its decimal scale.
struct DecimalScan {
  bool wellFormed = false;
  bool negative = false;
  bool countable = true;  ///< the digits fit a uint64 and the exponent was counted
  std::uint64_t digits = 0;
  int scale = 0;  ///< value = digits x 10^scale
};

/// Reads the run of digits that starts at `at` into the scan's whole number;
/// leading zeros only move the scale of a fraction, digits beyond the 19th
/// significant one make the scan uncountable. Returns where the run ends.
std::size_t scanDigitRun(std::string_view text, std::size_t at, bool inFraction, int& significant, DecimalScan& scan) {
  std::uint64_t digits = scan.digits;
  int scale = scan.scale;
  bool countable = scan.countable;
  for (; at < text.size() && isDigit(text[at]); ++at) {
    const char c = text[at];
    if (digits == 0 && c == '0') {
      if (inFraction) --scale;
      continue;
    }
    if (++significant > kMostDigits) countable = false;
    if (countable) {
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (inFraction) --scale;
    }
  }
  scan.digits = digits;
  scan.scale = scale;
  scan.countable = countable;
  return at;
}

DecimalScan scanDecimal(std::string_view text) {
  DecimalScan scan;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) scan.negative = text[at++] == '-';
  int significant = 0;
  const std::size_t wholeStart = at;
  at = scanDigitRun(text, at, false, significant, scan);
  std::size_t mantissaDigits = at - wholeStart;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = ++at;
    at = scanDigitRun(text, at, true, significant, scan);
    mantissaDigits += at - fractionStart;
  }
  if (mantissaDigits == 0) return scan;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negativeExponent = text[at++] == '-';
    const std::size_t first = at;
    int exponent = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
      if (at - first < kMostExponentDigits) exponent = exponent * 10 + (text[at] - '0');
    }
    if (at == first) return scan;
    if (at - first > kMostExponentDigits) scan.countable = false;
    scan.scale += negativeExponent ? -exponent : exponent;
  }
  scan.wellFormed = at == text.size();
  return scan;
}

/// A whole number up to 2^53 and a power of ten within +-22 are both exact, so
/// one multiplication or division rounds correctly, exactly as the library's
/// reading would. None for every other scan.
std::optional<double> exactValue(const DecimalScan& scan) {
  if (!scan.countable || scan.digits > kLargestExactWhole || scan.scale < -22 || scan.scale > 22) {
    return std::nullopt;
  }
  const double whole = static_cast<double>(scan.digits);
  const double magnitude = scan.scale < 0 ? whole / kExactPowersOfTen[static_cast<std::size_t>(-scan.scale)]
                                          : whole * kExactPowersOfTen[static_cast<std::size_t>(scan.scale)];
  return scan.negative ? -magnitude : magnitude;
}

}  // namespace

ReadNumber readNumber(std::string_view text) {
  std::string_view token = trimBlanks(text);
  const DecimalScan scan = scanDecimal(token);
  if (!scan.wellFormed) return {};
  if (const std::optional<double> exact = exactValue(scan)) return {NumberReading::Number, *exact};
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
