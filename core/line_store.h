#pragma once
// LineStore: the working lines, the removed lines, the progress value and the last import.
//
// One instance lives in EngineState. Only the running job writes the lists; the window reads
// workingLines only while its list view shows rows, which jobs that change the lines prevent
// (clearItems first, setItemCount last). progressPercent has one writer (the job) and one
// reader (the window's timer): a relaxed atomic is enough.
#include <atomic>
#include <cstdint>

#include "core/line_list.h"
#include "core/text.h"

namespace quorvan {

struct LineStore {
  LineList workingLines;
  // Replaced, never appended to, by each operation that removes lines.
  LineList removedLines;
  std::atomic<int32_t> progressPercent{0};
  // Full path (GBK) of the file chosen by the last import; the split export names its files
  // after it.
  Text lastImportedPath;

  void setProgress(int32_t percent) { progressPercent.store(percent, std::memory_order_relaxed); }
  int32_t progress() const { return progressPercent.load(std::memory_order_relaxed); }
};

}  // namespace quorvan
