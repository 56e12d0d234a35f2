// Replacement against a reading of the rule written out directly: at each character boundary
// from the left, the find text either stands there (and is replaced whole) or the character is
// copied; the replacement is never searched again.
#include <cstdlib>

#include "core/text_primitives.h"
#include "fuzz/fuzz_input.h"

using namespace quorvan;

namespace {

bool lead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

Text referenceReplace(TextView t, TextView part, TextView replacement) {
  if (t.empty() || part.empty()) return Text(t);
  Text out;
  size_t i = 0;
  while (i < t.size()) {
    if (t.compare(i, part.size(), part) == 0 && t.size() - i >= part.size()) {
      out += replacement;
      i += part.size();
      continue;
    }
    size_t n = lead(t[i]) && i + 1 < t.size() ? 2 : 1;
    out.append(t.substr(i, n));
    i += n;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const TextView part = input.piece(6);
  const TextView replacement = input.piece(6);
  const TextView text = input.rest();
  const Text result = replaceSubtext(text, part, replacement);
  if (result != referenceReplace(text, part, replacement)) abort();
  // Replacing a text by itself changes nothing.
  if (replaceSubtext(text, part, part) != text) abort();
  // After replacing by the empty text, the find text may only reappear where pieces join.
  if (findText(text, part) < 0 && result != text) abort();
  return 0;
}
