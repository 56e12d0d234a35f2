// Pattern expansion: every literal character comes through whole and in order, and every
// escape gives exactly its count of characters of its own kind.
#include <cstdlib>

#include "core/numbers.h"
#include "core/text.h"
#include "fuzz/fuzz_input.h"
#include "ops/generate_column.h"

using namespace quorvan;

namespace {

bool digitAt(TextView p, size_t i) {
  if (p[i] >= '0' && p[i] <= '9') return true;
  return i + 1 < p.size() && p[i] == '\xA3' && p[i + 1] >= '\xB0' && p[i + 1] <= '\xB9';
}

// Counts of more than three digits would ask for megabytes per call: not what this target is
// about, and the fuzzer's memory limit would end it.
bool smallCounts(TextView p) {
  int run = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    if (digitAt(p, i)) {
      if (++run > 3) return false;
      if (p[i] == '\xA3') ++i;
    } else {
      run = 0;
    }
  }
  return true;
}

size_t charLength(TextView t, size_t pos) {
  return static_cast<unsigned char>(t[pos]) >= 0x80 && pos + 1 < t.size() ? 2 : 1;
}

bool inRange(char c, char low, char high) { return c >= low && c <= high; }

// Consumes one generated character of the marker's kind at `at`; false when there is none.
bool takeGenerated(char marker, TextView out, size_t& at) {
  if (at >= out.size()) return false;
  const char c = out[at];
  switch (marker) {
    case '\\':
      if (!inRange(c, '1', '9')) return false;
      break;
    case '*':
      if (!inRange(c, 'a', 'z')) return false;
      break;
    case '@':
      if (!inRange(c, 'A', 'Z')) return false;
      break;
    case '%':
      if (!inRange(c, 'a', 'z') && !inRange(c, 'A', 'Z')) return false;
      break;
    case '$': {
      auto lead = static_cast<unsigned char>(c);
      if (at + 1 >= out.size()) return false;
      auto trail = static_cast<unsigned char>(out[at + 1]);
      if (lead < 0xB0 || lead > 0xDA || trail < 0xB0 || trail > 0xDA) return false;
      at += 2;
      return true;
    }
  }
  ++at;
  return true;
}

bool isMarker(char c) {
  return c == '\\' || c == '*' || c == '@' || c == '%' || c == '#' || c == '$';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const TextView pattern = input.rest();
  if (pattern.size() > 256 || !smallCounts(pattern)) return 0;
  const Text out = generateFromPattern(pattern);

  // Walk the pattern as the rules read it and consume the output alongside.
  size_t at = 0;
  bool inEscape = false;
  size_t countStart = 0;
  for (size_t pos = 0; pos < pattern.size();) {
    const size_t length = charLength(pattern, pos);
    const bool marker = length == 1 && isMarker(pattern[pos]);
    if (marker && !inEscape) {
      inEscape = true;
      countStart = pos + 1;
    } else if (marker) {
      inEscape = false;
      const int32_t count = toInt(pattern.substr(countStart, pos - countStart));
      if (pattern[pos] == '#') return 0;  // symbols are one or two bytes: stop checking here
      for (int32_t n = 0; n < count; ++n) {
        if (!takeGenerated(pattern[pos], out, at)) abort();
      }
    } else if (!inEscape) {
      if (out.compare(at, length, pattern.substr(pos, length)) != 0) abort();
      at += length;
    }
    pos += length;
  }
  if (at != out.size()) abort();
  return 0;
}
