#pragma once
// The one sort engine: an in-place Shell sort that knows nothing about what it sorts.
//
// The engine decides which positions to compare and move; the caller's callback compares and
// moves on its own list. The gap halves from count / 2 down to 1 and the calls come in exactly
// the order below, since callers derive their progress from the number of calls.
#include <cstdint>

namespace quorvan {

enum class SortRequest : int32_t {
  MoveElement = 0,   // move the element at `source` to `index` (= source + gap)
  SaveToPivot = 1,   // take the element at `index` into the pivot slot
  StorePivot = 2,    // put the pivot into `index`
  ComparePivot = 3,  // 1 if the pivot is greater than element `index`, 0 if equal, -1 if smaller
};

// Positions are 1-based. Only the result of ComparePivot is read.
using SortCallback = int32_t (*)(SortRequest request, int32_t index, int32_t source, intptr_t context);

// Sorts positions 1 ... count; callback(request, index, source) -> int32_t. Ascending moves an
// element up past every earlier element of its chain that is greater, descending past every
// smaller one. Not stable.
template <class Callback>
void shellSort(int32_t count, Callback&& callback, bool descending) {
  const int32_t want = descending ? 1 : -1;
  for (int32_t gap = count / 2; gap >= 1; gap /= 2) {
    for (int32_t i = gap + 1; i <= count; ++i) {
      callback(SortRequest::SaveToPivot, i, 0);
      int32_t j = i - gap;
      while (j >= 1) {
        if (callback(SortRequest::ComparePivot, j, 0) != want) break;
        callback(SortRequest::MoveElement, j + gap, j);
        j -= gap;
      }
      callback(SortRequest::StorePivot, j + gap, 0);
    }
  }
}

// The same with a plain callback and a context value passed through unchanged.
inline void shellSort(int32_t count, SortCallback callback, intptr_t context, bool descending) {
  shellSort(
      count,
      [&](SortRequest request, int32_t index, int32_t source) {
        return callback(request, index, source, context);
      },
      descending);
}

}  // namespace quorvan
