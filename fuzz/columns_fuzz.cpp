// Column cutting and joining: every column read alone is the piece the split gives, joining
// the pieces gives the line back (less a final delimiter), and no piece holds the delimiter.
#include <cstdlib>

#include "core/columns.h"
#include "core/text_primitives.h"
#include "fuzz/fuzz_input.h"

using namespace quorvan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const TextView delimiter = input.piece(4);
  const TextView line = input.rest();
  const std::vector<TextView> pieces = splitViews(line, delimiter);

  for (int32_t k = 1; k <= int32_t(pieces.size()) + 1; ++k) {
    TextView expected = k <= int32_t(pieces.size()) ? pieces[size_t(k) - 1] : TextView();
    if (columnValue(line, delimiter, k) != expected) abort();
  }
  if (!columnValue(line, delimiter, 0).empty() && pieces.empty()) abort();

  const Text joined = joinColumns(std::span<const TextView>(pieces), delimiter);
  if (delimiter.empty()) {
    if (joined != line) abort();
    return 0;
  }
  if (joined != line && joined + Text(delimiter) != line) abort();
  for (TextView piece : pieces) {
    if (findText(piece, delimiter) > 0) abort();
  }

  // A blank-free join keeps, in order, the trimmed columns that are not blank.
  std::vector<TextView> kept;
  for (TextView piece : pieces) {
    if (!removeAllSpaces(piece).empty()) kept.push_back(trimBothEnds(piece));
  }
  if (joinNonBlankColumns(std::span<const TextView>(pieces), delimiter) !=
      joinColumns(std::span<const TextView>(kept), delimiter))
    abort();
  return 0;
}
