#pragma once
// Number texts of Trayecta. Every field holds its number with the decimal comma,
// whatever the user's locale: reading a field, the general text of a computed
// number (15 significant digits) and the fixed patterns of the result fields,
// tick labels and pointer readout. Nothing here consults the C locale.
#include <optional>
#include <string>
#include <string_view>

#include "trayecta/core/Failure.h"

namespace trayecta {

struct Reading {
    double value = 0.0;
    std::optional<Failure> failure;

    bool ok() const { return !failure; }
};

// Optional sign, digits with at most one decimal comma (at least one digit),
// and an optional exponent "E", as the general text writes huge or tiny values.
// Anything else, blanks included, is not a number; a value beyond the range of
// a double is an overflow; one below it reads as zero.
Reading readNumber(std::string_view text);

// The general number text: rounded to 15 significant digits (an exact tie away
// from zero, so 100000000000000,5 gives 100000000000001), trailing zeros and
// a trailing comma dropped, an exponent form ("1,5E-05", "1E+15") outside
// 1E-04 .. 1E+15. Negative zero is written "0".
std::string formatGeneral(double value);

// Patterns such as "#0.00000000000", "0.0#" and "00#.00##": "0" is a digit place
// that shows a zero, "#" one that shows nothing, "." the place of the comma.
// The number is rounded to the last decimal place, an exact tie away from zero
// (1,625 in "0.0#" gives 1,63). Every "0" in the integer part,
// and every place after it, is kept, so "00#" zero-pads to three digits.
std::string formatPattern(double value, std::string_view pattern);

// "+" before a positive coefficient in a formula text; a negative one brings its own "-".
std::string_view signPrefix(double coefficient);

// A number for data files that other programs read (the points' export):
// 15 significant digits with the decimal point and a lower-case exponent
// ("0.00133333333333333", "1.5e-05"), never the comma, whatever the locale.
// Zero is written "0".
void appendDataNumber(std::string &out, double value);

} // namespace trayecta
