#pragma once
#include <cstdint>

#include "core/text.h"

namespace quorvan {

// The line-sort state shared by the sort callbacks: the element count taken when a sort
// starts, the callback-call counter behind the progress value, and the pivot slot of the line
// sort (empty before and after every sort). Each job sets count and calls just before it sorts.
struct SortState {
  int32_t count = 0;
  uint32_t calls = 0;
  TextView pivot;
};

}  // namespace quorvan
