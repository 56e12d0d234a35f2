// toInt and toNumber against the C library's readings of the same half-width text, and
// numberToText read back.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/numbers.h"
#include "fuzz/fuzz_input.h"

using namespace quorvan;

namespace {

bool white(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text from the first non-white byte, cut at the first byte that cannot belong to a
// decimal number, so that strtol/strtod see no hexadecimal, inf or nan forms.
std::string numberPrefix(const Text& s, bool real) {
  size_t pos = 0;
  while (pos < s.size() && white(s[pos])) ++pos;
  std::string out;
  for (; pos < s.size(); ++pos) {
    char c = s[pos];
    bool keep = (c >= '0' && c <= '9') || c == '+' || c == '-' ||
                (real && (c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D'));
    if (!keep) break;
    out.push_back(c == 'd' || c == 'D' ? 'e' : c);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const TextView text = input.rest();
  const Text half = toHalfWidth(text);
  if (half.size() > text.size()) abort();

  errno = 0;
  long long wide = std::strtoll(numberPrefix(half, false).c_str(), nullptr, 10);
  int32_t expectedInt = wide > INT_MAX ? INT_MAX : wide < INT_MIN ? INT_MIN : int32_t(wide);
  if (toInt(text) != expectedInt) abort();

  double expected = std::strtod(numberPrefix(half, true).c_str(), nullptr);
  double got = toNumber(text);
  if (std::isnan(got)) abort();
  if (got != expected) abort();

  // Every integer survives a trip through its text; a real comes back within 13 digits.
  if (toInt(numberToText(expectedInt)) != expectedInt) abort();
  if (std::isnormal(got)) {
    double back = toNumber(numberToText(got));
    if (std::fabs(back - got) > std::fabs(got) * 1e-12) abort();
  }
  return 0;
}
