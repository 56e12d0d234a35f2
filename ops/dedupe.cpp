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

struct RoutedLines {
  LineList kept;
  LineList removed;
};

// Marked lines go to `removed`, every other line (an empty examined text included, so no line
// is lost) to `kept`, both in their old order. Lines move as shared handles, never as copies.
template <class Progress>
RoutedLines routeLines(const LineList& lines, std::span<const uint8_t> marks, Progress progress) {
  const int32_t n = lines.count();
  const auto removedCount = std::count(marks.begin(), marks.end(), uint8_t(1));
  RoutedLines routed;
  routed.kept.reserve(size_t(n - removedCount));
  routed.removed.reserve(size_t(removedCount));
  for (int32_t i = 1; i <= n; ++i) {
    progress(i);
    LineList& target = marks[size_t(i) - 1] ? routed.removed : routed.kept;
    target.appendFrom(lines, i);
  }
  return routed;
}

void putInPlace(LineStore& store, RoutedLines& routed) {
  store.removedLines = std::move(routed.removed);
  store.workingLines = std::move(routed.kept);
}

void finish(Job& job) {
  closeJobFrame(job);
  job.host.showMessage(gbk("剔除完成！重复数：") + numberToText(job.store.removedLines.count()),
                       MessageIcon::Information);
}

// The lines are built aside and put in place only at the end, so running out of memory
// leaves the store as it was.
void refuseForMemory(Job& job) {
  closeJobFrame(job);
  job.host.showMessage(gbk("注意：内存不足，数据未改变！"), MessageIcon::Error);
}

}  // namespace

void RemoveDuplicates(Job& job) {
  openJobFrame(job);
  LineStore& store = job.store;
  const LineList& lines = store.workingLines;
  const int32_t n = lines.count();
  try {
    std::vector<uint8_t> marks(size_t(n), 0);
    markDuplicates(job.state.duplicates, lines.handles(), marks, store.progressPercent);
    RoutedLines routed =
        routeLines(lines, marks, [&store, n](int32_t i) { store.setProgress(progressOf(i, n)); });
    store.setProgress(80);
    putInPlace(store, routed);
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
  const LineList& lines = store.workingLines;
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
    RoutedLines routed = routeLines(lines, marks, [&store, total](int32_t j) {
      store.setProgress(integerPart(j / total * 50.0) + 50);
    });
    store.setProgress(95);
    putInPlace(store, routed);
  } catch (const std::bad_alloc&) {
    refuseForMemory(job);
    return;
  }
  finish(job);
}

}  // namespace quorvan
