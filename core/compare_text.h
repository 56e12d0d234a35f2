#pragma once
#include <cstring>

#include "core/text.h"

namespace quorvan {

// Byte-wise comparison with unsigned bytes: -1, 0 or 1; a text that ends first is smaller.
// No locale and no case folding. Behind every text equality and ordering test.
inline int compareText(TextView a, TextView b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
  if (c != 0) return c < 0 ? -1 : 1;
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace quorvan
