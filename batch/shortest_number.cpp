#include "batch/shortest_number.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmora {
namespace {

/// The decimal digits of `significand` into `digits`; returns how many.
int writeDigits(std::uint64_t significand, std::array<char, 20>& digits) {
  std::array<char, 20> reversed{};
  int count = 0;
  do {
    reversed[static_cast<std::size_t>(count++)] = static_cast<char>('0' + significand % 10);
    significand /= 10;
  } while (significand != 0);
  for (int i = 0; i < count; ++i)
    digits[static_cast<std::size_t>(i)] = reversed[static_cast<std::size_t>(count - 1 - i)];
  return count;
}

int decimalWidth(int value) { return value >= 100 ? 3 : 2; }

/// Lays out `count` digits times 10^exponent as std::to_chars does without a
/// format: fixed notation unless scientific (d.ddde±XX, two exponent digits
/// at least) is shorter.
void appendLaidOut(std::string& out, const std::array<char, 20>& digits, int count, int exponent) {
  const int scientificExponent = exponent + count - 1;
  const int scientificLength =
      count + (count > 1 ? 1 : 0) + 2 + decimalWidth(scientificExponent < 0 ? -scientificExponent : scientificExponent);
  int fixedLength = 0;
  if (exponent >= 0) {
    fixedLength = count + exponent;
  } else if (scientificExponent >= 0) {
    fixedLength = count + 1;
  } else {
    fixedLength = 2 + (-scientificExponent - 1) + count;
  }
  const char* const first = digits.data();
  if (fixedLength <= scientificLength) {
    if (exponent >= 0) {
      out.append(first, static_cast<std::size_t>(count));
      out.append(static_cast<std::size_t>(exponent), '0');
    } else if (scientificExponent >= 0) {
      const auto whole = static_cast<std::size_t>(scientificExponent + 1);
      out.append(first, whole);
      out += '.';
      out.append(first + whole, static_cast<std::size_t>(count) - whole);
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-scientificExponent - 1), '0');
      out.append(first, static_cast<std::size_t>(count));
    }
    return;
  }
  out += digits[0];
  if (count > 1) {
    out += '.';
    out.append(first + 1, static_cast<std::size_t>(count - 1));
  }
  out += scientificExponent < 0 ? "e-" : "e+";
  const int magnitude = scientificExponent < 0 ? -scientificExponent : scientificExponent;
  if (magnitude < 10) out += '0';
  std::array<char, 20> exponentDigits{};
  out.append(exponentDigits.data(),
             static_cast<std::size_t>(writeDigits(static_cast<std::uint64_t>(magnitude), exponentDigits)));
}

/// Beyond 2^digits a whole number in fixed notation is written with its exact
/// digits, not the shortest ones padded with zeros: left to std::to_chars.
template <typename Number>
bool isLargeWhole(Number magnitude, int exponent) {
  return exponent > 0 && magnitude >= std::ldexp(Number(1), std::numeric_limits<Number>::digits);
}

/// fmt's shortest decimal (Dragonbox) of a finite, non-zero value.
template <typename Number>
void appendNonZero(std::string& out, Number value) {
  const Number magnitude = std::fabs(value);
  const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
  if (isLargeWhole(magnitude, decimal.exponent)) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
    return;
  }
  if (std::signbit(value)) out += '-';
  std::array<char, 20> digits{};
  const int count = writeDigits(decimal.significand, digits);
  appendLaidOut(out, digits, count, decimal.exponent);
}

}  // namespace

void appendShortest(std::string& out, double value) {
  if (value == 0.0) {
    out += '0';
    return;
  }
  appendNonZero(out, value);
}

void appendShortest(std::string& out, float value) {
  if (value == 0.0F) {
    out += '0';
    return;
  }
  appendNonZero(out, value);
}

void appendWhole(std::string& out, std::size_t value) {
  std::array<char, 20> digits{};
  out.append(digits.data(), static_cast<std::size_t>(writeDigits(value, digits)));
}

}  // namespace velmora
