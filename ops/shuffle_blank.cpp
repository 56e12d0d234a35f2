#include "ops/shuffle_blank.h"

#include <new>

#include "core/job_frame.h"
#include "core/numbers.h"
#include "core/random.h"

namespace quorvan {

int32_t drawPosition(int32_t count) {
  // One 15-bit draw would only reach the first 32,768 positions.
  uint64_t wide = uint64_t(nextRandom());
  wide = (wide << 15) | uint64_t(nextRandom());
  wide = (wide << 15) | uint64_t(nextRandom());
  return int32_t(wide % uint64_t(count)) + 1;
}

void ShuffleLines(Job& job) {
  openJobFrame(job);
  LineList& lines = job.store.workingLines;
  const int32_t n = lines.count();
  seedRandom();
  for (int32_t i = 1; i <= n; ++i) {
    job.store.setProgress(progressOf(i, n));
    lines.exchange(i, drawPosition(n));
  }
  closeJobFrame(job);
}

void AppendBlankLines(Job& job) {
  const Text countText = job.host.controlText(kBlankLineCountBox);
  if (countText.empty()) return;
  job.host.clearItems();
  LineList& lines = job.store.workingLines;
  const int64_t n = toInt(countText);
  const int64_t newCount = int64_t(lines.count()) + n;
  if (n > 0 && newCount <= LineList::kMaxLines) {
    try {
      lines.reserve(size_t(newCount));
      for (int64_t k = 0; k < n; ++k) lines.append(TextView());
    } catch (const std::bad_alloc&) {
      // reserve failed before any line was added: the list is as it was
    }
  } else if (n < 0 && newCount >= 0) {
    lines.truncate(int32_t(newCount));
  }
  job.host.setItemCount(lines.count());
}

}  // namespace quorvan
