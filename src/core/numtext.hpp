// Number text: how numbers are written into fields and read back from them.
// No Qt here; the decimal separator is handed in by the caller.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fv::numtext {

// Writes `value` with a pattern of '#', '0' and at most one '.':
// '#' is a digit shown only when significant, '0' a digit always shown,
// '.' the decimal separator, always shown. Rounds half away from zero to
// the pattern's decimals. "###.#": 50 -> "50.", 0.5 -> ".5", 0 -> ".".
// A value that is not finite has no text: returns nullopt.
std::optional<std::string> format(double value, std::string_view pattern, char sep);

// The general conversion: up to 15 significant digits, no trailing zeros,
// exponent form ("1E+20", "1E-06") for very large or very small values.
// Not finite: nullopt.
std::optional<std::string> general(double value, char sep);

// Reads a number. Accepts '.', ',' and `sep` as the decimal mark in every
// locale (no text the program writes groups digits), an optional sign, an
// optional exponent and blanks around it. A lone separator is zero (it is
// what a '#' pattern writes for zero). The empty text is zero only when
// `emptyIsZero` (the "###" pattern writes it for zero). Anything else that is
// not a finite number gives nullopt.
std::optional<double> parse(std::string_view text, char sep, bool emptyIsZero = false);

// Double to 16-bit integer: half to even, nullopt outside -32768..32767.
std::optional<std::int16_t> toInt16(double value);

// True when the pattern is made of '#', '0' and at most one '.'.
bool validPattern(std::string_view pattern);

}  // namespace fv::numtext
