#include "ops/subtract_file.h"

#include <new>

#include "core/columns.h"
#include "core/compare_text.h"
#include "core/job_frame.h"
#include "core/numbers.h"
#include "io/file_messages.h"
#include "ops/line_removal.h"
#include "ops/sort_lines.h"
#include "platform/files.h"

namespace quorvan {
namespace {

constexpr std::string_view kWholeLinePathBox = "编辑框26";
constexpr std::string_view kByColumnPathBox = "编辑框27";
constexpr std::string_view kSourceColumnBox = "编辑框28";
constexpr std::string_view kCompareColumnBox = "编辑框29";

// Reading the file takes this much of the progress scale.
constexpr int32_t kWholeLineReadScale = 30;
constexpr int32_t kByColumnReadScale = 20;

// part x (done / total) + offset, truncated: one phase mapped onto its share of the bar.
int32_t phaseProgress(double done, double total, double part, double offset) {
  return total > 0 ? integerPart(done / total * part + offset) : integerPart(offset);
}

void sortEntries(LineList& entries) {
  EntrySort sort{entries, {}};
  shellSort(
      entries.count(),
      [&sort](SortRequest request, int32_t index, int32_t source) {
        return compareListCallback(sort, request, index, source);
      },
      false);
}

void sortByKeys(LineList& keys, LineList& lines) {
  KeyedLineSort sort{keys, lines, {}, {}};
  shellSort(
      keys.count(),
      [&sort](SortRequest request, int32_t index, int32_t source) {
        return sourceKeysCallback(sort, request, index, source);
      },
      false);
}

// The merge walk over two ascending lists: line i of `lines` is removed when keys[i] equals
// an entry. The cursor only moves forward and never past an equal entry, so equal keys that
// follow meet it again.
void splitByEntries(const LineList& lines, const LineList& keys, const LineList& entries,
                    LineList& kept, LineList& removed, std::atomic<int32_t>& progress, double part,
                    double offset) {
  const int32_t n = lines.count();
  const int32_t m = entries.count();
  int32_t c = 1;
  for (int32_t i = 1; i <= n; ++i) {
    progress.store(phaseProgress(i, n, part, offset), std::memory_order_relaxed);
    TextView key = keys.at(i);
    while (c <= m && compareText(entries.at(c), key) < 0) ++c;
    bool found = c <= m && compareText(entries.at(c), key) == 0;
    (found ? removed : kept).appendFrom(lines, i);
  }
}

// Ends a job whose comparison file could not be read: nothing changes.
void refuseUnreadable(Job& job, TextView path, const ReadOutcome& outcome) {
  job.state.compareList.clear();
  job.state.sourceKeys.clear();
  closeJobFrame(job);
  job.host.showMessage(cannotReadMessage(path, outcome), MessageIcon::Error);
}

void finish(Job& job, LineList& kept, LineList& removed, const ReadOutcome& outcome) {
  job.store.setProgress(95);
  job.store.workingLines = std::move(kept);
  job.store.removedLines = std::move(removed);
  job.state.compareList.clear();
  job.state.sourceKeys.clear();
  const int32_t removedCount = job.store.removedLines.count();
  closeJobFrame(job);
  job.host.showMessage(removalMessage(removedCount) + stoppedEarlyNote(outcome),
                       MessageIcon::Information);
}

}  // namespace

ReadOutcome readCompareFile(TextView path, LineList& entries, TextView delimiter, int32_t column,
                            int32_t scale, std::atomic<int32_t>& progress, size_t blockSize) {
  ReadOutcome outcome;
  entries.clear();
  platform::InputFile file;
  if (!file.open(path)) {
    outcome.kind = ReadOutcome::Kind::Failed;
    outcome.reason = file.reason();
    return outcome;
  }
  const double length = double(file.size());
  int32_t stored = 0;
  outcome = walkCountedLines(file, blockSize, [&](TextView line, double counted) {
    TextView entry = column > 0 ? columnValue(line, delimiter, column) : line;
    // A line without the comparison column takes no part, and moves no progress.
    if (entry.empty()) return true;
    if (entries.count() == LineList::kMaxLines) return false;
    entries.append(entry);
    ++stored;
    progress.store(phaseProgress(counted, length, scale, 0), std::memory_order_relaxed);
    return true;
  });
  outcome.lines = stored;
  entries.shrinkToFit();
  return outcome;
}

int32_t compareListCallback(EntrySort& sort, SortRequest request, int32_t index, int32_t source) {
  switch (request) {
    case SortRequest::SaveToPivot:
    case SortRequest::StorePivot:
      sort.entries.exchangeWith(index, sort.pivot);
      return 0;
    case SortRequest::MoveElement:
      sort.entries.exchange(index, source);
      return 0;
    case SortRequest::ComparePivot:
      return compareText(sort.pivot, sort.entries.at(index));
  }
  return 0;
}

int32_t sourceKeysCallback(KeyedLineSort& sort, SortRequest request, int32_t index,
                           int32_t source) {
  switch (request) {
    case SortRequest::SaveToPivot:
    case SortRequest::StorePivot:
      sort.keys.exchangeWith(index, sort.keyPivot);
      sort.lines.exchangeWith(index, sort.linePivot);
      return 0;
    case SortRequest::MoveElement:
      sort.keys.exchange(index, source);
      sort.lines.exchange(index, source);
      return 0;
    case SortRequest::ComparePivot:
      return compareText(sort.keyPivot, sort.keys.at(index));
  }
  return 0;
}

void SubtractFile(Job& job) {
  openJobFrame(job, false);
  const Text path = job.host.controlText(kWholeLinePathBox);
  if (!platform::fileExists(path)) {
    // No file chosen (or gone): nothing to compare with, and the list view was never emptied.
    closeJobFrame(job, false);
    return;
  }
  job.host.clearItems();
  LineList& entries = job.state.compareList;
  const ReadOutcome outcome =
      readCompareFile(path, entries, {}, 0, kWholeLineReadScale, job.store.progressPercent);
  if (!outcome.usable()) {
    refuseUnreadable(job, path, outcome);
    return;
  }

  LineList& lines = job.store.workingLines;
  sortWorkingLines(job.state, false);
  job.store.setProgress(35);
  sortEntries(entries);
  job.store.setProgress(40);

  LineList kept;
  LineList removed;
  // The whole line is its own key.
  splitByEntries(lines, lines, entries, kept, removed, job.store.progressPercent, 60, 40);
  finish(job, kept, removed, outcome);
}

void SubtractFileByColumn(Job& job) {
  openJobFrame(job, false);
  const int32_t sourceColumn = toInt(job.host.controlText(kSourceColumnBox));
  const int32_t compareColumn = toInt(job.host.controlText(kCompareColumnBox));
  const Text delimiter = job.host.controlText(kDelimiterBoxName);
  const Text path = job.host.controlText(kByColumnPathBox);
  if (!platform::fileExists(path) || sourceColumn < 1 || compareColumn < 1 || delimiter.empty()) {
    closeJobFrame(job, false);
    job.host.showMessage(noDelimiterOrBadColumnMessage(), MessageIcon::Error);
    return;
  }
  job.host.clearItems();
  LineList& entries = job.state.compareList;
  const ReadOutcome outcome = readCompareFile(path, entries, delimiter, compareColumn,
                                              kByColumnReadScale, job.store.progressPercent);
  if (!outcome.usable()) {
    refuseUnreadable(job, path, outcome);
    return;
  }

  LineList& lines = job.store.workingLines;
  LineList& keys = job.state.sourceKeys;
  keys.clear();
  const int32_t n = lines.count();
  keys.reserve(size_t(n));
  for (int32_t i = 1; i <= n; ++i) {
    job.store.setProgress(phaseProgress(i, n, 20, 20));
    keys.append(columnValue(lines.at(i), delimiter, sourceColumn));
  }
  sortByKeys(keys, lines);
  job.store.setProgress(45);
  sortEntries(entries);
  job.store.setProgress(50);

  LineList kept;
  LineList removed;
  splitByEntries(lines, keys, entries, kept, removed, job.store.progressPercent, 50, 50);
  finish(job, kept, removed, outcome);
}

}  // namespace quorvan
