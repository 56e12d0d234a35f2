#pragma once
// Line sort: "快速排序".
#include "core/job.h"
#include "core/shell_sort.h"

namespace quorvan {

// Form name of the check box "由大到小".
inline constexpr std::string_view kDescendingBoxName = "选择框22";

// The sort callback over state.store.workingLines: counts the call, sets the progress from
// the call counter and state.sort.count, and exchanges handles with the pivot slot
// state.sort.pivot; ComparePivot compares the pivot with line `index` by compareText.
int32_t sortLinesCallback(EngineState& state, SortRequest request, int32_t index, int32_t source);

// Sorts workingLines through shellSort and sortLinesCallback (sets count and calls first).
void sortWorkingLines(EngineState& state, bool descending);

// "快速排序": sorts workingLines by compareText, descending when "由大到小" is ticked. No message.
void SortLines(Job& job);

}  // namespace quorvan
