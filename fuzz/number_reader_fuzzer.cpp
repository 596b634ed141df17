// Fuzz target: a typed value through the number reader, and every number text
// made from what it reads. Invariants: the reader agrees with the C library's
// strtod on what is a number; a number read is finite; the texts are plain
// decimals (no "inf", "nan", negative zero or exponent) that read back to
// the value within their rounding; the report's packed d.mmss of an angle
// never shows 60 minutes or seconds.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/dms_angle.h"
#include "engine/number_reader.h"
#include "engine/number_text.h"
#include "fuzz_failure.h"
#include "report/dms_packing.h"
#include "text_checks.h"

namespace velmora::fuzz {
namespace {

constexpr int kPatternDecimals[] = {0, 2, 3, 5, 6};
constexpr std::size_t kSignificantDigits = 7;

std::string_view withoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// Only what a decimal number with an exponent is written with, so that strtod
/// takes it as decimal too (strtod also reads "inf", "nan" and hexadecimal).
bool isDecimalAlphabet(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

struct StrtodReading {
  bool wholeText = false;
  bool outOfRange = false;
  double value = 0.0;
};

StrtodReading strtodReading(std::string_view token) {
  const std::string text(token);
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  const bool beyondDouble = std::isinf(value) || (value != 0.0 && std::fabs(value) < DBL_MIN);
  return {end == text.c_str() + text.size(), errno == ERANGE && (beyondDouble || value == 0.0), value};
}

void checkReading(std::string_view typed, const ReadNumber& number) {
  const std::string_view token = withoutBlanks(typed);
  const bool decimal = isDecimalAlphabet(token);
  const StrtodReading expected = decimal ? strtodReading(token) : StrtodReading{};
  switch (number.reading) {
    case NumberReading::Number:
      require(std::isfinite(number.value), "a number read is finite", typed);
      require(decimal && expected.wholeText, "a number read is decimal text that strtod reads whole", typed);
      require(number.value == expected.value, "a number read has strtod's value", typed);
      break;
    case NumberReading::OutOfRange:
      require(decimal && expected.wholeText && expected.outOfRange, "out of range only beyond a double", typed);
      break;
    case NumberReading::NotANumber:
      require(!(decimal && expected.wholeText && !expected.outOfRange), "decimal text strtod reads is a number", typed);
      break;
  }
}

std::size_t significantDigits(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  return digits.find_last_not_of('0') - first + 1;
}

double readBack(const std::string& text, std::string_view what) {
  const ReadNumber number = readNumber(text);
  require(number.reading == NumberReading::Number, what, text);
  return number.value;
}

/// A text shown in a field or printed: a plain decimal, no negative zero.
void requirePlainText(const std::string& text, std::string_view what) {
  requireCleanText(text, what);
  require(isPlainDecimal(text), what, text);
}

void checkFixedTexts(double value) {
  for (const int decimals : kPatternDecimals) {
    const std::string text = fixedText(value, decimals);
    requirePlainText(text, "fixedText is a plain decimal");
    const std::size_t point = text.find('.');
    const std::size_t shownDecimals = point == std::string::npos ? 0 : text.size() - point - 1;
    require(shownDecimals == static_cast<std::size_t>(decimals), "fixedText has exactly its decimals", text);
    const double halfStep = 0.5 * std::pow(10.0, -decimals);
    const double slack = 4.0 * DBL_EPSILON * std::fabs(value);
    require(std::fabs(readBack(text, "fixedText reads back") - value) <= halfStep + slack,
            "fixedText is the value rounded to its decimals", text);
    const double rounded = roundHalfEven(value, decimals);
    require(!std::signbit(rounded) || rounded != 0.0, "roundHalfEven gives no negative zero", text);
    requirePlainText(plainRoundedText(value, decimals), "plainRoundedText is a plain decimal");
  }
}

void checkPlainText(double value) {
  const std::string text = plainText(value);
  requirePlainText(text, "plainText is a plain decimal");
  require(readBack(text, "plainText reads back") == value, "plainText reads back to the same double", text);
}

void checkSingleText(double value) {
  if (std::fabs(value) > static_cast<double>(FLT_MAX)) return;
  const auto single = static_cast<float>(value);
  const double stored = single;
  const std::string text = plainSingleText(single);
  requirePlainText(text, "plainSingleText is a plain decimal");
  const double shown = readBack(text, "plainSingleText reads back");
  if (std::fabs(stored) >= 1e7) {
    require(shown == stored, "a large single shows its whole number", text);
    return;
  }
  require(significantDigits(text) <= kSignificantDigits, "a single shows at most seven significant digits", text);
  require(std::fabs(shown - stored) <= 5.0001e-7 * std::fabs(stored), "a single shows its seven digits", text);
}

void checkTypedValueTexts(const std::string& typed, const ReadNumber& number) {
  for (const int decimals : {3, 5}) {
    const std::string text = typedValueText(typed, decimals);
    if (number.reading == NumberReading::Number) {
      requirePlainText(text, "a typed number shows under its pattern");
    } else {
      require(text == typed, "a typed text that is no number shows as typed", text);
    }
  }
}

void checkDegrees(double value) {
  if (std::fabs(value) >= 1e300) return;
  const double degrees = dmsToDegrees(value);
  require(std::isfinite(degrees), "d.mmss of a finite value converts to finite degrees", plainText(value));
  require(degrees == 0.0 || std::signbit(degrees) == std::signbit(value), "degrees keep the sign of the d.mmss",
          plainText(value));
}

/// Beyond this the packed text's tenth of a second lies below a double's precision.
constexpr double kLargestPackedDegrees = 1e9;
constexpr double kTenthSecondDegrees = 0.1 / 3600.0;

/// The report's d.mmsss text of an adjusted angle: minutes and seconds under
/// 60, and within a twentieth of a second of the angle.
void checkPackedAngle(double degrees) {
  if (std::fabs(degrees) >= kLargestPackedDegrees) return;
  const std::string text = packedDmsText(degrees);
  requirePlainText(text, "a packed angle is a plain decimal");
  const std::size_t point = text.find('.');
  require(point != std::string::npos && text.size() - point == 6, "a packed angle has five decimals", text);
  const std::string_view digits = std::string_view(text).substr(point + 1);
  const int minutes = (digits[0] - '0') * 10 + (digits[1] - '0');
  const int secondTenths = (digits[2] - '0') * 100 + (digits[3] - '0') * 10 + (digits[4] - '0');
  require(minutes < 60 && secondTenths < 600, "a packed angle's minutes and seconds are under 60", text);
  const double wholeDegrees = std::fabs(readBack(text.substr(0, point), "packed degrees read back"));
  const double magnitude = wholeDegrees + minutes / 60.0 + secondTenths * kTenthSecondDegrees;
  const double unpacked = text.front() == '-' ? -magnitude : magnitude;
  require(std::fabs(unpacked - degrees) <= 0.5 * kTenthSecondDegrees + 1e-9 * std::fabs(degrees),
          "a packed angle is the angle to a tenth of a second", text);
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  const std::string typed(reinterpret_cast<const char*>(data), size);
  const ReadNumber number = readNumber(typed);
  checkReading(typed, number);
  checkTypedValueTexts(typed, number);
  if (number.reading == NumberReading::Number) {
    checkFixedTexts(number.value);
    checkPlainText(number.value);
    checkSingleText(number.value);
    checkDegrees(number.value);
    checkPackedAngle(number.value);
  }
  return 0;
}
