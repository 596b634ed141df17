// Checks on the texts Velmora shows, prints and writes: no text may carry an
// undefined number ("inf", "nan" in any case), a negative zero ("-0", "-0.00")
// or a number with an exponent ("1e5"). Texts are UTF-8; only ASCII is examined.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::fuzz {

/// The first undefined number, negative zero or exponent in `text`, described;
/// nothing when the text is clean. A number is a run of digits with an optional
/// fraction, taken with the minus sign right before it.
std::optional<std::string> undefinedNumberIn(std::string_view text);

/// Digits, optionally a point and more digits, with an optional leading minus:
/// the only form a number takes in the window and the report.
bool isPlainDecimal(std::string_view text);

/// A minus sign before digits that are all zero ("-0", "-0.000").
bool isNegativeZero(std::string_view number);

/// Breaks the invariant `what` when `text` carries an undefined number.
void requireCleanText(std::string_view text, std::string_view what);

}  // namespace velmora::fuzz
