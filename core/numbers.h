#pragma once
// Reading numbers from texts and writing them back. Pure functions, safe on any thread.
#include <concepts>
#include <cstdint>
#include <string>

#include "core/text.h"

namespace quorvan {

// Full-width ASCII forms (A3 A1 ... A3 FE), the full-width space, tilde and the two asterisk
// forms turned into their ASCII equals; every other character unchanged.
Text toHalfWidth(TextView t);

// A base-10 integer from the start of t (after toHalfWidth): white space, sign, digits;
// 0 when there are none; saturated at the 32-bit bounds.
int32_t toInt(TextView t);

// A decimal real from the start of t (after toHalfWidth): [sign] digits [. digits] [exponent
// e/E/d/D]; a leading "." is allowed; 0 when there is none. No hexadecimal, inf or nan.
double toNumber(TextView t);

// Decimal digits with a leading "-" when negative.
template <std::integral Integer>
Text numberToText(Integer n) {
  return std::to_string(n);
}
// The "%.13g" form (C locale).
Text numberToText(double x);

// The integer part of x, truncated toward zero, as a 32-bit integer (saturated; 0 for NaN).
int32_t integerPart(double x);

// The integer part of (done / total) x 100 in double precision: the progress convention.
inline int32_t progressOf(double done, double total) {
  return total > 0 ? integerPart(done / total * 100.0) : 0;
}

}  // namespace quorvan
