#pragma once
// File comparison removal: "文本对比剔除" and "文本对比剔除(按列对比)".
//
// Both sort the working lines and the comparison file's entries, then walk the two sorted
// lists once together; a line whose text (or source-column value) occurs among the entries
// goes to removedLines. The lines that stay come back sorted ascending.
#include <atomic>
#include <cstdint>

#include "core/job.h"
#include "core/shell_sort.h"
#include "core/text.h"
#include "io/counted_reading.h"
#include "io/line_reader.h"

namespace quorvan {

// Reads the comparison file into `entries` (emptied first), to the true end of the file
// whatever its line ends: every non-empty line (column 0), or the non-empty value of `column`
// of each line. Progress runs from 0 to `scale` by the counted bytes (length + 2 per stored
// entry and per skipped line, 2 per empty line). On an outcome that is not usable the entries
// read so far stay: the caller empties the list.
ReadOutcome readCompareFile(TextView path, LineList& entries, TextView delimiter, int32_t column,
                            int32_t scale, std::atomic<int32_t>& progress,
                            size_t blockSize = LineReader::kDefaultBlock);

// Sort state over one list of entries (compareList): the list and its pivot slot, which is
// empty before and after every sort.
struct EntrySort {
  LineList& entries;
  TextView pivot;
};
// The sort callback over the entries: exchanges only, no counter and no progress.
int32_t compareListCallback(EntrySort& sort, SortRequest request, int32_t index, int32_t source);

// Sort state over the source keys with the working lines carried along: position i of both
// lists belongs to the same line throughout the sort.
struct KeyedLineSort {
  LineList& keys;
  LineList& lines;
  TextView keyPivot;
  TextView linePivot;
};
// Orders by the keys only; every exchange is made on both lists.
int32_t sourceKeysCallback(KeyedLineSort& sort, SortRequest request, int32_t index, int32_t source);

void SubtractFile(Job& job);
void SubtractFileByColumn(Job& job);

}  // namespace quorvan
