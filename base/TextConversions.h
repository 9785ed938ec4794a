#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The conversions between the settings store's text and the program's numbers.
//
// A number is decimal text: optional blanks, an optional sign, digits with an optional
// decimal point, an optional exponent ("e-3"), optional blanks. Every reader returns no value
// for text that is not such a number or that lies outside the target type's range.

// To a 32-bit Long; a fraction rounds to the nearest integer, a half to the even one.
std::optional<std::int32_t> textToLong(std::string_view text);

// "True" or "False" in any letter case, or a number: 0 is false, any other number true.
std::optional<bool> textToBoolean(std::string_view text);

// To a finite Single; a value too small to hold becomes 0.
std::optional<float> textToSingle(std::string_view text);

// Plain decimal text: a leading "-" when negative, no blanks, no grouping.
std::string longToText(std::int32_t value);

// The shortest text that reads back to the same value when that has at most seven
// significant digits ("1000", "-900000", "1007.5", "0.1"), else the value rounded to seven
// ("1000.123" for 1000.123474...). Integral values have no decimal point; only magnitudes
// from 1e16 up or below 1e-4 take an exponent ("3e+30"). The value must be finite.
std::string singleToText(float value);
