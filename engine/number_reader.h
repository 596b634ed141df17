// Reads the numeric value of a typed text. A number is: optional blanks,
// optional sign, digits with an optional decimal point (at least one digit),
// an optional exponent, optional blanks. Nothing else reads as a number:
// not "inf", "nan", hexadecimal, "1,5" or full-width digits. Locale-free.
#pragma once

#include <string_view>

namespace velmora {

enum class NumberReading {
  Number,      ///< a finite double was read
  NotANumber,  ///< the text is not written as a number
  OutOfRange,  ///< written as a number, but beyond what a double holds
};

struct ReadNumber {
  NumberReading reading = NumberReading::NotANumber;
  double value = 0.0;  ///< meaningful only for NumberReading::Number
};

ReadNumber readNumber(std::string_view text);

}  // namespace velmora
