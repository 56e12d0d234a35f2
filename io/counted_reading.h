#pragma once
// readCountedLines: the reading loop of import, merge and file comparison.
#include <atomic>
#include <cstdint>
#include <new>
#include <utility>
#include <string>

#include "core/line_list.h"
#include "io/line_reader.h"
#include "platform/files.h"

namespace quorvan {

struct ReadOutcome {
  enum class Kind {
    Complete,      // read to the end of the file
    StoppedEarly,  // a NUL or SUB byte ended the readable data at stopOffset
    Failed,        // a read error; reason says which
    TooManyLines,  // more lines than a list can count
    OutOfMemory,
    Utf16,  // the file starts with a UTF-16 byte-order mark; nothing was read
  };
  Kind kind = Kind::Complete;
  int32_t lines = 0;  // non-empty lines appended
  int64_t stopOffset = -1;
  std::string reason;

  // Complete or StoppedEarly: the lines are usable.
  bool usable() const { return kind == Kind::Complete || kind == Kind::StoppedEarly; }
};

// Walks the non-empty lines of the open file to its true end, whatever its line ends:
// onLine(line, counted) for each, where counted adds up every line's length plus two bytes for
// its end (an empty line counts two bytes). onLine returns false when it can take no more
// lines, which ends the walk as TooManyLines. `lines` of the outcome is left to the caller.
template <class OnLine>
ReadOutcome walkCountedLines(LineReader& reader, platform::InputFile& file, OnLine&& onLine) {
  ReadOutcome outcome;
  if (reader.startsWithUtf16Mark()) {
    outcome.kind = ReadOutcome::Kind::Utf16;
    return outcome;
  }
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
        break;
      }
      counted += 2;
      if (line.empty()) continue;
      counted += double(line.size());
      if (!onLine(line, counted)) {
        outcome.kind = ReadOutcome::Kind::TooManyLines;
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    outcome.kind = ReadOutcome::Kind::OutOfMemory;
  }
  return outcome;
}

// The same over the open file read in blocks of `blockSize` bytes.
template <class OnLine>
ReadOutcome walkCountedLines(platform::InputFile& file, size_t blockSize, OnLine&& onLine) {
  LineReader reader(file, blockSize);
  return walkCountedLines(reader, file, std::forward<OnLine>(onLine));
}

// Appends every non-empty line of the open file to `list`, to the true end of the file
// whatever its line ends. Each stored line counts its length plus two bytes, each empty line two
// bytes; after each stored line progress becomes the integer part of (counted / size) x 100.
// On a failure the lines appended so far stay in `list`: callers read into a list of their own.
// With kWholeFile a file of known size is read in one go into the list's arena and the lines
// stay where they were read (nothing copied per line); a given block size reads block by block.
constexpr size_t kWholeFile = 0;
ReadOutcome readCountedLines(platform::InputFile& file, LineList& list,
                             std::atomic<int32_t>& progress, size_t blockSize = kWholeFile);

}  // namespace quorvan
