#include "ops/column_sort.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <span>
#include <utility>

#include "core/columns.h"
#include "core/compare_text.h"
#include "core/fast_sort.h"
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

int32_t columnSortCallback(ColumnSortWork& work, SortRequest request, int32_t index,
                           int32_t source) {
  SortState& sort = work.state.sort;
  ++sort.calls;
  work.state.store.setProgress(
      integerPart(double(sort.calls) / 30.0 / double(sort.count) * 50.0 + 50.0));
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

// When no two keys compare equal the sorted order is the only one, and a fast sort finds it.
// Numbers are sorted by value; neighbours within the tolerance count as equal.
bool sortIfNoTwoKeysEqual(ColumnSortWork& work, bool descending) {
  std::vector<uint32_t> order;
  if (work.numeric) {
    for (double key : work.numberKeys) {
      if (std::isnan(key)) return false;
    }
    order = orderByNumber(work.numberKeys);
    for (size_t i = 1; i < order.size(); ++i) {
      if (compareNumbers(work.numberKeys[order[i - 1]], work.numberKeys[order[i]]) == 0)
        return false;
    }
  } else {
    order = orderByText(work.textKeys);
    if (!noEqualNeighbours(work.textKeys, order)) return false;
  }
  if (descending) std::reverse(order.begin(), order.end());
  applyOrder(work.state.store.workingLines.handles(), order);
  return true;
}

// The engine's sort, step for step, over keys packed beside their lines: the same moves as
// columnSortCallback, with the progress written once per block of calls instead of every call.
template <class Key, class Compare>
void shellSortPacked(EngineState& state, std::vector<Key>& keys, bool descending, Compare compare) {
  struct Entry {
    Key key;
    TextView line;
  };
  std::span<TextView> lines = state.store.workingLines.handles();
  std::vector<Entry> entries(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) entries[i] = {keys[i], lines[i]};
  std::vector<Key>().swap(keys);
  SortState& sort = state.sort;
  Entry pivot{};
  shellSort(
      sort.count,
      [&](SortRequest request, int32_t index, int32_t source) {
        if ((++sort.calls & 0xFFFF) == 0) {
          state.store.setProgress(
              integerPart(double(sort.calls) / 30.0 / double(sort.count) * 50.0 + 50.0));
        }
        Entry& at = entries[size_t(index) - 1];
        switch (request) {
          case SortRequest::SaveToPivot:
          case SortRequest::StorePivot:
            std::swap(pivot, at);
            return 0;
          case SortRequest::MoveElement:
            std::swap(at, entries[size_t(source) - 1]);
            return 0;
          case SortRequest::ComparePivot:
            return compare(pivot.key, at.key);
        }
        return 0;
      },
      descending);
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = entries[i].line;
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
  if (sort.count < kFastColumnSortFrom) {
    shellSort(
        sort.count,
        [&work](SortRequest request, int32_t index, int32_t source) {
          return columnSortCallback(work, request, index, source);
        },
        descending);
  } else if (!sortIfNoTwoKeysEqual(work, descending)) {
    // Equal keys: their order is the engine's, so the engine sorts.
    if (work.numeric) {
      shellSortPacked(job.state, work.numberKeys, descending, compareNumbers);
    } else {
      shellSortPacked(job.state, work.textKeys, descending, compareText);
    }
  }

  closeJobFrame(job);
}

}  // namespace quorvan
