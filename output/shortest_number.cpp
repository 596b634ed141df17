#include "output/shortest_number.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace velmora {
namespace {

/// "00", "01", ..., "99" one after another.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t n = 0; n < 100; ++n) {
    pairs[2 * n] = static_cast<char>('0' + n / 10);
    pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
  }
  return pairs;
}();

/// The decimal digits of a whole number, found two at a time from the last.
class DecimalDigits {
 public:
  explicit DecimalDigits(std::uint64_t value) {
    char* at = buffer_.data() + buffer_.size();
    // Eight low digits at a time in 32-bit arithmetic, which is quicker.
    while (value >= kEightDigits) {
      at = writeEight(static_cast<std::uint32_t>(value % kEightDigits), at);
      value /= kEightDigits;
    }
    auto rest = static_cast<std::uint32_t>(value);
    while (rest >= 100) {
      at -= 2;
      std::memcpy(at, &kDigitPairs[2 * (rest % 100)], 2);
      rest /= 100;
    }
    if (rest >= 10) {
      at -= 2;
      std::memcpy(at, &kDigitPairs[2 * rest], 2);
    } else {
      *--at = static_cast<char>('0' + rest);
    }
    first_ = at;
  }
  const char* data() const { return first_; }
  int count() const { return static_cast<int>(buffer_.data() + buffer_.size() - first_); }

 private:
  static constexpr std::uint64_t kEightDigits = 100'000'000;

  /// Exactly eight digits, leading zeros included, ending at `end`.
  static char* writeEight(std::uint32_t value, char* end) {
    for (int pair = 0; pair < 4; ++pair) {
      end -= 2;
      std::memcpy(end, &kDigitPairs[2 * (value % 100)], 2);
      value /= 100;
    }
    return end;
  }

  std::array<char, 20> buffer_{};
  const char* first_ = nullptr;
};

int decimalWidth(int value) { return value >= 100 ? 3 : 2; }

/// A number's text put together before it is appended in one piece. Never
/// longer than a sign and the scientific form of 17 digits.
class NumberText {
 public:
  void put(char c) { *end_++ = c; }
  void put(const char* text, int count) {
    std::memcpy(end_, text, static_cast<std::size_t>(count));
    end_ += count;
  }
  void zeros(int count) {
    std::memset(end_, '0', static_cast<std::size_t>(count));
    end_ += count;
  }
  void appendTo(std::string& out) const { out.append(chars_.data(), static_cast<std::size_t>(end_ - chars_.data())); }

 private:
  std::array<char, 48> chars_{};
  char* end_ = chars_.data();
};

/// Lays out the digits times 10^exponent as std::to_chars does without a
/// format: fixed notation unless scientific (d.ddde±XX, two exponent digits
/// at least) is shorter.
void layOut(NumberText& text, const DecimalDigits& digits, int exponent) {
  const int count = digits.count();
  const int scientificExponent = exponent + count - 1;
  const int magnitude = scientificExponent < 0 ? -scientificExponent : scientificExponent;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + decimalWidth(magnitude);
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
      text.put(first, count);
      text.zeros(exponent);
    } else if (scientificExponent >= 0) {
      text.put(first, scientificExponent + 1);
      text.put('.');
      text.put(first + scientificExponent + 1, count - scientificExponent - 1);
    } else {
      text.put("0.", 2);
      text.zeros(-scientificExponent - 1);
      text.put(first, count);
    }
    return;
  }
  text.put(first[0]);
  if (count > 1) {
    text.put('.');
    text.put(first + 1, count - 1);
  }
  text.put(scientificExponent < 0 ? "e-" : "e+", 2);
  if (magnitude < 10) text.put('0');
  const DecimalDigits exponentDigits(static_cast<std::uint64_t>(magnitude));
  text.put(exponentDigits.data(), exponentDigits.count());
}

/// Beyond 2^digits a whole number in fixed notation is written with its exact
/// digits, not the shortest ones padded with zeros: left to std::to_chars.
template <typename Number>
bool isLargeWhole(Number magnitude, int exponent) {
  constexpr auto kExactWholeNumbers = static_cast<Number>(std::uint64_t{1} << std::numeric_limits<Number>::digits);
  return exponent > 0 && magnitude >= kExactWholeNumbers;
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
  NumberText text;
  if (std::signbit(value)) text.put('-');
  layOut(text, DecimalDigits(decimal.significand), decimal.exponent);
  text.appendTo(out);
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
  const DecimalDigits digits(value);
  out.append(digits.data(), static_cast<std::size_t>(digits.count()));
}

}  // namespace velmora
