// The character filters and classes against a reading by whole characters: a double-byte
// character (or a lone lead byte at the end) is never a letter, a digit or "@".
#include <cstdlib>

#include "core/text.h"
#include "fuzz/fuzz_input.h"
#include "ops/filter_lines.h"
#include "ops/strip_characters.h"

using namespace quorvan;

namespace {

bool letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool digit(char c) { return c >= '0' && c <= '9'; }

template <class Keep>
Text keepCharacters(TextView t, Keep keep) {
  Text out;
  for (size_t i = 0; i < t.size();) {
    size_t n = static_cast<unsigned char>(t[i]) >= 0x80 && i + 1 < t.size() ? 2 : 1;
    bool single = n == 1 && static_cast<unsigned char>(t[i]) < 0x80;
    if (keep(single, t[i])) out.append(t.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const TextView value = input.rest();
  const Text kept = keepAlphanumericAndAt(value);
  if (kept != keepCharacters(value, [](bool s, char c) { return s && (letter(c) || digit(c) || c == '@'); }))
    abort();
  const Text noLetters = removeLetterBytes(value);
  if (noLetters != keepCharacters(value, [](bool s, char c) { return !(s && letter(c)); })) abort();
  const Text noDigits = removeDigitBytes(value);
  if (noDigits != keepCharacters(value, [](bool s, char c) { return !(s && digit(c)); })) abort();

  // Filtering again changes nothing.
  if (keepAlphanumericAndAt(kept) != kept || removeLetterBytes(noLetters) != noLetters ||
      removeDigitBytes(noDigits) != noDigits)
    abort();

  const bool hasDigit = keepCharacters(value, [](bool s, char c) { return s && digit(c); }).size() > 0;
  const bool hasLetter = keepCharacters(value, [](bool s, char c) { return s && letter(c); }).size() > 0;
  const bool hasOther = keepCharacters(value, [](bool s, char c) { return !(s && (letter(c) || digit(c))); }).size() > 0;
  if (containsDigit(value) != hasDigit || containsLetter(value) != hasLetter ||
      containsNonAlphanumeric(value) != hasOther)
    abort();
  return 0;
}
