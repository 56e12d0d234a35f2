#include "io/counted_reading.h"

#include <new>

#include "core/numbers.h"

namespace quorvan {

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
      progress.store(progressOf(counted, length), std::memory_order_relaxed);
    }
  } catch (const std::bad_alloc&) {
    outcome.kind = ReadOutcome::Kind::OutOfMemory;
  }
  return outcome;
}

}  // namespace quorvan
