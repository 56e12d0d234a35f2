#include "core/numbers.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quorvan {
namespace {

bool isWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// strtod in the C locale, whatever locale the window has set for the process.
double parseDecimal(const char* text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return strtod_l(text, nullptr, cLocale);
}

}  // namespace

Text toHalfWidth(TextView t) {
  Text result;
  result.reserve(t.size());
  for (size_t pos = 0; pos < t.size();) {
    size_t n = characterLength(t, pos);
    if (n == 2) {
      auto lead = static_cast<unsigned char>(t[pos]);
      auto trail = static_cast<unsigned char>(t[pos + 1]);
      if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        result.push_back(char(trail - 0x80));
      } else if (lead == 0xA1 && trail == 0xA1) {
        result.push_back(' ');
      } else if (lead == 0xA1 && trail == 0xAB) {
        result.push_back('~');
      } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
        result.push_back('*');
      } else {
        result.append(t.substr(pos, 2));
      }
    } else {
      result.push_back(t[pos]);
    }
    pos += n;
  }
  return result;
}

int32_t toInt(TextView t) {
  Text s = toHalfWidth(t);
  size_t pos = 0;
  while (pos < s.size() && isWhite(s[pos])) ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  int64_t value = 0;
  for (; pos < s.size() && isDigit(s[pos]); ++pos) {
    value = value * 10 + (s[pos] - '0');
    if (value > int64_t(INT32_MAX) + 1) value = int64_t(INT32_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return int32_t(value);
}

double toNumber(TextView t) {
  Text s = toHalfWidth(t);
  size_t pos = 0;
  while (pos < s.size() && isWhite(s[pos])) ++pos;
  std::string number;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) number.push_back(s[pos++]);
  size_t digits = 0;
  for (; pos < s.size() && isDigit(s[pos]); ++pos, ++digits) number.push_back(s[pos]);
  if (pos < s.size() && s[pos] == '.') {
    size_t fraction = 0;
    size_t at = pos + 1;
    for (; at < s.size() && isDigit(s[at]); ++at, ++fraction) {}
    if (digits + fraction > 0) {
      number.append(s, pos, at - pos);
      digits += fraction;
      pos = at;
    }
  }
  if (digits == 0) return 0.0;
  if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E' || s[pos] == 'd' || s[pos] == 'D')) {
    size_t at = pos + 1;
    std::string exponent = "e";
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) exponent.push_back(s[at++]);
    size_t start = at;
    for (; at < s.size() && isDigit(s[at]); ++at) exponent.push_back(s[at]);
    if (at > start) number += exponent;
  }
  return parseDecimal(number.c_str());
}

Text numberToText(double x) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 13);
  return Text(buffer, result.ptr);
}

int32_t integerPart(double x) {
  if (std::isnan(x)) return 0;
  double whole = std::trunc(x);
  if (whole >= 2147483647.0) return INT32_MAX;
  if (whole <= -2147483648.0) return INT32_MIN;
  return int32_t(whole);
}

}  // namespace quorvan
