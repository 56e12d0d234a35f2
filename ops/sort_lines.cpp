#include "ops/sort_lines.h"

#include "core/compare_text.h"
#include "core/fast_sort.h"
#include "core/job_frame.h"
#include "core/numbers.h"

namespace quorvan {

int32_t sortLinesCallback(EngineState& state, SortRequest request, int32_t index, int32_t source) {
  SortState& sort = state.sort;
  ++sort.calls;
  state.store.setProgress(integerPart(double(sort.calls) / 30.0 / double(sort.count) * 100.0));
  LineList& lines = state.store.workingLines;
  switch (request) {
    case SortRequest::SaveToPivot:
    case SortRequest::StorePivot:
      lines.exchangeWith(index, sort.pivot);
      return 0;
    case SortRequest::MoveElement:
      lines.exchange(index, source);
      return 0;
    case SortRequest::ComparePivot:
      return compareText(sort.pivot, lines.at(index));
  }
  return 0;
}

void sortWorkingLines(EngineState& state, bool descending) {
  state.sort.count = state.store.workingLines.count();
  state.sort.calls = 0;
  shellSort(
      state.sort.count,
      [&state](SortRequest request, int32_t index, int32_t source) {
        return sortLinesCallback(state, request, index, source);
      },
      descending);
}

void SortLines(Job& job) {
  openJobFrame(job);
  const bool descending = job.host.isChecked(kDescendingBoxName);
  // Equal whole lines are identical bytes, so any correct sort gives the engine's result.
  sortTexts(job.store.workingLines.handles(), descending, job.store.progressPercent, 0, 100);
  closeJobFrame(job);
}

}  // namespace quorvan
