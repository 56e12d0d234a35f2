#include "ops/dedupe.h"

#include <algorithm>
#include <new>
#include <vector>

#include "core/columns.h"
#include "core/duplicate_table.h"
#include "core/job_frame.h"
#include "core/numbers.h"

namespace quorvan {
namespace {

// Form name of the "列：" box of "剔除重复(按列对比)".
constexpr std::string_view kColumnBoxName = "编辑框19";

// Marked lines go to the returned list, in their old order, as shared handles; every other line
// (an empty examined text included, so no line is lost) stays in `lines`, closed up in place, so
// the job never holds a second full list of handles. The removed list is filled before `lines`
// changes: running out of memory while it grows leaves `lines` as it was.
template <class Progress>
LineList takeMarkedLines(LineList& lines, std::span<const uint8_t> marks, Progress progress) {
  const int32_t n = lines.count();
  LineList removed;
  removed.reserve(size_t(std::count(marks.begin(), marks.end(), uint8_t(1))));
  for (int32_t i = 1; i <= n; ++i) {
    progress(i);
    if (marks[size_t(i) - 1]) removed.appendFrom(lines, i);
  }
  lines.keepIf([marks](size_t index) { return marks[index] == 0; });
  return removed;
}

void finish(Job& job) {
  closeJobFrame(job);
  job.host.showMessage(gbk("剔除完成！重复数：") + numberToText(job.store.removedLines.count()),
                       MessageIcon::Information);
}

// Memory runs short only before the working lines change, so the store is as it was.
void refuseForMemory(Job& job) {
  closeJobFrame(job);
  job.host.showMessage(gbk("注意：内存不足，数据未改变！"), MessageIcon::Error);
}

}  // namespace

void RemoveDuplicates(Job& job) {
  openJobFrame(job);
  LineStore& store = job.store;
  LineList& lines = store.workingLines;
  const int32_t n = lines.count();
  try {
    std::vector<uint8_t> marks(size_t(n), 0);
    markDuplicates(job.state.duplicates, lines.handles(), marks, store.progressPercent);
    LineList removed = takeMarkedLines(
        lines, marks, [&store, n](int32_t i) { store.setProgress(progressOf(i, n)); });
    store.setProgress(80);
    store.removedLines = std::move(removed);
  } catch (const std::bad_alloc&) {
    refuseForMemory(job);
    return;
  }
  finish(job);
}

void RemoveDuplicatesByColumn(Job& job) {
  openJobFrame(job);
  const int32_t column = toInt(job.host.controlText(kColumnBoxName));
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  if (column < 1 || delimiter.empty()) {
    closeJobFrame(job);
    job.host.showMessage(noDelimiterOrBadColumnMessage(), MessageIcon::Error);
    return;
  }

  LineStore& store = job.store;
  LineList& lines = store.workingLines;
  const int32_t n = lines.count();
  const double total = n;
  try {
    // The keys look into the lines, which stay unchanged until the job puts its result in place.
    std::vector<TextView> keys(static_cast<size_t>(n));
    for (int32_t i = 1; i <= n; ++i) {
      store.setProgress(integerPart(i / total * 50.0));
      keys[size_t(i) - 1] = columnValue(lines.at(i), delimiter, column);
    }
    std::vector<uint8_t> marks(size_t(n), 0);
    markDuplicates(job.state.duplicates, keys, marks, store.progressPercent);
    std::vector<TextView>().swap(keys);
    LineList removed = takeMarkedLines(lines, marks, [&store, total](int32_t j) {
      store.setProgress(integerPart(j / total * 50.0) + 50);
    });
    store.setProgress(95);
    store.removedLines = std::move(removed);
  } catch (const std::bad_alloc&) {
    refuseForMemory(job);
    return;
  }
  finish(job);
}

}  // namespace quorvan
