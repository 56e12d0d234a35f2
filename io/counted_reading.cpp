#include "io/counted_reading.h"

#include <new>

#include "core/numbers.h"

namespace quorvan {
namespace {

constexpr int32_t kSampleLines = 4096;

}  // namespace

ReadOutcome readCountedLines(platform::InputFile& file, LineList& list,
                             std::atomic<int32_t>& progress, size_t blockSize) {
  ReadOutcome outcome;
  LineReader reader(file, blockSize);
  if (reader.startsWithUtf16Mark()) {
    outcome.kind = ReadOutcome::Kind::Utf16;
    return outcome;
  }
  const double length = double(file.size());
  double counted = 0;
  // The progress value only changes when counted passes the next whole percent.
  double nextPercentAt = 0;
  bool reserved = false;
  try {
    TextView line;
    for (;;) {
      LineReader::Status status = reader.next(line);
      if (status == LineReader::Status::End) break;
      if (status == LineReader::Status::Stopped) {
        outcome.kind = ReadOutcome::Kind::StoppedEarly;
        outcome.stopOffset = reader.stopOffset();
        break;
      }
      if (status == LineReader::Status::Failed) {
        outcome.kind = ReadOutcome::Kind::Failed;
        outcome.reason = file.reason();
        return outcome;
      }
      counted += 2;
      if (line.empty()) continue;
      if (list.count() == LineList::kMaxLines) {
        outcome.kind = ReadOutcome::Kind::TooManyLines;
        return outcome;
      }
      list.append(line);
      ++outcome.lines;
      counted += double(line.size());
      if (counted >= nextPercentAt) {
        int32_t percent = progressOf(counted, length);
        progress.store(percent, std::memory_order_relaxed);
        nextPercentAt = length * (percent + 1) / 100.0;
      }
      if (!reserved && outcome.lines == kSampleLines) {
        // Most files have lines of much the same length: room for the whole file at once
        // spares the list from growing (and copying its handles) again and again.
        reserved = true;
        double estimate = length / counted * kSampleLines * 1.05;
        if (estimate < double(LineList::kMaxLines)) list.reserve(size_t(list.count()) + size_t(estimate));
      }
    }
  } catch (const std::bad_alloc&) {
    outcome.kind = ReadOutcome::Kind::OutOfMemory;
  }
  return outcome;
}

}  // namespace quorvan
