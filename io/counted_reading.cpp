#include "io/counted_reading.h"

#include "core/numbers.h"

namespace quorvan {
namespace {

constexpr int32_t kSampleLines = 4096;

}  // namespace

ReadOutcome readCountedLines(platform::InputFile& file, LineList& list,
                             std::atomic<int32_t>& progress, size_t blockSize) {
  const double length = double(file.size());
  // The progress value only changes when counted passes the next whole percent.
  double nextPercentAt = 0;
  int32_t stored = 0;
  ReadOutcome outcome = walkCountedLines(file, blockSize, [&](TextView line, double counted) {
    if (list.count() == LineList::kMaxLines) return false;
    list.append(line);
    ++stored;
    if (counted >= nextPercentAt) {
      int32_t percent = progressOf(counted, length);
      progress.store(percent, std::memory_order_relaxed);
      nextPercentAt = length * (percent + 1) / 100.0;
    }
    if (stored == kSampleLines) {
      // Most files have lines of much the same length: room for the whole file at once
      // spares the list from growing (and copying its handles) again and again.
      double estimate = length / counted * kSampleLines * 1.05;
      if (estimate < double(LineList::kMaxLines)) list.reserve(size_t(list.count()) + size_t(estimate));
    }
    return true;
  });
  outcome.lines = stored;
  return outcome;
}

}  // namespace quorvan
