#pragma once
#include <cstdint>

#include "core/text.h"

namespace quorvan {

// The line-sort state shared by the sort callbacks: the element count taken when a sort
// starts, the callback-call counter behind the progress value, and the pivot slot of the line
// sort (empty before and after every sort). Each job sets count and calls just before it sorts.
struct SortState {
  int32_t count = 0;
  // 64 bits: a sort of ten million lines makes more calls than 32 bits can count, and a
  // wrapped counter would send the progress back to 0 in mid-sort.
  uint64_t calls = 0;
  TextView pivot;
};

}  // namespace quorvan
