#pragma once
// LineReader: the lines of a file, read in large blocks and cut in memory.
//
// The lines are exactly those of the line rules: the file is walked along character
// boundaries (a byte of 0x80 or above takes the next byte with it, also across blocks); LF ends
// a line; a NUL or SUB byte ends the readable data; one CR at the end of a line is removed; a
// last line without terminator is a line. Empty lines are returned too (callers drop them).
#include <cstdint>
#include <string>

#include "core/text.h"
#include "platform/files.h"

namespace quorvan {

class LineReader {
 public:
  static constexpr size_t kDefaultBlock = size_t(4) << 20;

  explicit LineReader(platform::InputFile& file, size_t blockSize = kDefaultBlock);
  // The lines of bytes already in memory (a whole file read at once); the lines returned are
  // views into `data`, valid as long as it is.
  explicit LineReader(TextView data);

  enum class Status { Line, End, Stopped, Failed };

  // The next line (valid until the next call), or why there is none: End at the end of the
  // file, Stopped at a NUL or SUB byte, Failed on a read error (file.reason() says which).
  Status next(TextView& line);

  // Bytes of the file consumed so far, terminators included.
  int64_t consumed() const { return consumed_; }
  // The file offset of the NUL or SUB byte after Stopped.
  int64_t stopOffset() const { return stopOffset_; }
  // True when the file starts with a UTF-16 byte-order mark (FF FE or FE FF). Call it before
  // the first next().
  bool startsWithUtf16Mark();

 private:
  bool fill();

  platform::InputFile* file_ = nullptr;  // none when reading from memory
  std::string buffer_;
  const char* data_ = nullptr;  // the bytes being cut: buffer_, or the memory given
  size_t blockSize_;
  size_t begin_ = 0;  // first unread byte in buffer_
  size_t end_ = 0;    // end of the bytes in buffer_
  bool eof_ = false;
  bool failed_ = false;
  bool stopped_ = false;
  int64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  int64_t consumed_ = 0;
  int64_t stopOffset_ = -1;
};

}  // namespace quorvan
