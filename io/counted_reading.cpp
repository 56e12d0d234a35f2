#include "io/counted_reading.h"

#include <algorithm>
#include <new>

#include "core/numbers.h"

namespace quorvan {
namespace {

constexpr int32_t kSampleLines = 4096;
constexpr size_t kReadStep = size_t(16) << 20;

// Reads the whole file into one block of the list's arena; the bytes read, or -1 on an error.
int64_t readWholeFile(platform::InputFile& file, LineList& list, char*& block) {
  const size_t size = size_t(file.size());
  block = list.newBlock(size);
  size_t filled = 0;
  while (filled < size) {
    int64_t got = file.read(block + filled, std::min(kReadStep, size - filled));
    if (got < 0) return -1;
    if (got == 0) break;  // the file shrank since it was opened
    filled += size_t(got);
  }
  return int64_t(filled);
}

ReadOutcome readLines(LineReader& reader, platform::InputFile& file, LineList& list,
                      std::atomic<int32_t>& progress, bool inPlace);

}  // namespace

ReadOutcome readCountedLines(platform::InputFile& file, LineList& list,
                             std::atomic<int32_t>& progress, size_t blockSize) {
  if (blockSize == kWholeFile && file.size() > 0) {
    char* block = nullptr;
    int64_t filled;
    try {
      filled = readWholeFile(file, list, block);
    } catch (const std::bad_alloc&) {
      ReadOutcome outcome;
      outcome.kind = ReadOutcome::Kind::OutOfMemory;
      return outcome;
    }
    if (filled < 0) {
      ReadOutcome outcome;
      outcome.kind = ReadOutcome::Kind::Failed;
      outcome.reason = file.reason();
      return outcome;
    }
    LineReader reader(TextView(block, size_t(filled)));
    return readLines(reader, file, list, progress, true);
  }
  LineReader reader(file, blockSize == kWholeFile ? LineReader::kDefaultBlock : blockSize);
  return readLines(reader, file, list, progress, false);
}

namespace {

ReadOutcome readLines(LineReader& reader, platform::InputFile& file, LineList& list,
                      std::atomic<int32_t>& progress, bool inPlace) {
  const double length = double(file.size());
  // The progress value only changes when counted passes the next whole percent.
  double nextPercentAt = 0;
  int32_t stored = 0;
  ReadOutcome outcome = walkCountedLines(reader, file, [&](TextView line, double counted) {
    if (list.count() == LineList::kMaxLines) return false;
    if (inPlace) {
      list.appendStored(line);
    } else {
      list.append(line);
    }
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

}  // namespace

}  // namespace quorvan
