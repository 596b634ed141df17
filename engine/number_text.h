// Number texts shared by the window fields and the report. Every rounding is
// of the exact binary value, halves going to the even digit; no text ever
// shows a negative zero, an exponent, "inf" or "nan" (callers pass finite values).
#pragma once

#include <optional>
#include <string>

namespace velmora {

/// The fixed patterns "0.000", "0.00000", "0.00": exactly `decimals` decimals,
/// at least one digit before the point, a minus sign when negative.
std::string fixedText(double value, int decimals);

/// `value` rounded to `decimals` decimals, halves to the even digit.
double roundHalfEven(double value, int decimals);

/// Shortest decimal text that reads back to the same double, without
/// trailing zeros, without a point for a whole number, never with an exponent.
std::string plainText(double value);

/// `value` rounded to `decimals` decimals, then written plain ("-3.46", "4").
std::string plainRoundedText(double value, int decimals);

/// A single-precision value as plain text: at most seven significant digits,
/// no trailing zeros; from 10^7 up, the whole number the single holds.
std::string plainSingleText(float value);

/// The text of 1/m's denominator: the whole number, or ∞ when m holds none.
std::string relativeErrorDenominatorText(std::optional<float> m);

/// The display text of a typed value under a fixed pattern: the pattern of its
/// numeric value, or the text as typed when it does not read as a number.
std::string typedValueText(const std::string& typed, int decimals);

}  // namespace velmora
