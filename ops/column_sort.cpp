#include "ops/column_sort.h"

#include <cmath>
#include <new>
#include <utility>

#include "core/columns.h"
#include "core/compare_text.h"
#include "core/job_frame.h"
#include "core/numbers.h"

namespace quorvan {

int32_t compareNumbers(double a, double b) {
  if (a == b) return 0;  // also two equal infinities, whose difference is no number
  const double d = a - b;
  if (d > kNumberTolerance) return 1;
  if (std::fabs(d) <= kNumberTolerance) return 0;
  return -1;
}

int32_t columnSortCallback(ColumnSortWork& work, SortRequest request, int32_t index, int32_t source) {
  SortState& sort = work.state.sort;
  ++sort.calls;
  work.state.store.setProgress(integerPart(double(sort.calls) / 30.0 / double(sort.count) * 50.0 + 50.0));
  LineList& lines = work.state.store.workingLines;
  const size_t at = size_t(index) - 1;
  switch (request) {
    case SortRequest::SaveToPivot:
    case SortRequest::StorePivot:
      if (work.numeric) {
        std::swap(work.numberPivot, work.numberKeys[at]);
      } else {
        std::swap(work.textPivot, work.textKeys[at]);
      }
      lines.exchangeWith(index, work.linePivot);
      return 0;
    case SortRequest::MoveElement: {
      const size_t from = size_t(source) - 1;
      if (work.numeric) {
        std::swap(work.numberKeys[at], work.numberKeys[from]);
      } else {
        std::swap(work.textKeys[at], work.textKeys[from]);
      }
      lines.exchange(index, source);
      return 0;
    }
    case SortRequest::ComparePivot:
      return work.numeric ? compareNumbers(work.numberPivot, work.numberKeys[at])
                          : compareText(work.textPivot, work.textKeys[at]);
  }
  return 0;
}

namespace {

// Reads every line's key once, progress running 0 ... 50. False when memory runs short.
bool extractKeys(ColumnSortWork& work, TextView delimiter, int32_t column) {
  const LineList& lines = work.state.store.workingLines;
  const int32_t n = lines.count();
  try {
    if (work.numeric) {
      work.numberKeys.reserve(size_t(n));
    } else {
      work.textKeys.reserve(size_t(n));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int32_t i = 1; i <= n; ++i) {
    work.state.store.setProgress(integerPart(double(i) / double(n) * 50.0));
    TextView key = columnValue(lines.at(i), delimiter, column);
    if (work.numeric) {
      work.numberKeys.push_back(toNumber(key));
    } else {
      work.textKeys.push_back(key);
    }
  }
  return true;
}

}  // namespace

void SortByColumn(Job& job) {
  // Settings are checked before the frame opens, so a refusal leaves the window as it was.
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const int32_t column = toInt(job.host.controlText(kColumnSortColumnBox));
  if (delimiter.empty() || column < 1) {
    leaveWithoutFrame(job);
    job.host.showMessage(noDelimiterOrBadColumnMessage(), MessageIcon::Error);
    return;
  }
  openJobFrame(job);

  ColumnSortWork work(job.state, job.host.isChecked(kColumnSortNumericBox));
  const bool descending = job.host.isChecked(kColumnSortDescendingBox);
  if (!extractKeys(work, delimiter, column)) {
    closeJobFrame(job);
    job.host.showMessage(gbk("注意：内存不足，无法排序！"), MessageIcon::Error);
    return;
  }

  SortState& sort = job.state.sort;
  sort.count = job.store.workingLines.count();
  sort.calls = 0;
  shellSort(
      sort.count,
      [&work](SortRequest request, int32_t index, int32_t source) {
        return columnSortCallback(work, request, index, source);
      },
      descending);

  closeJobFrame(job);
}

}  // namespace quorvan
