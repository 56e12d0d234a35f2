// The line reader over arbitrary bytes, with reads cut at arbitrary sizes and blocks of any
// size, against a direct reading of the line rules. A read error may be injected at any call;
// the lines before it must then be the first lines of the direct reading.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "io/line_reader.h"
#include "platform/syscalls.h"

using namespace quorvan;

namespace {

struct Reading {
  std::vector<std::string> lines;
  int64_t stopOffset = -1;
};

std::string withoutFinalCr(std::string_view s) {
  if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
  return std::string(s);
}

// The rules, one byte at a time: a byte of 0x80 or above takes the next one with it; LF ends a
// line; NUL or SUB ends the data (the bytes before it are a last line); one CR before the end
// of a line goes; a last line without its end is a line.
Reading readDirectly(std::string_view bytes) {
  Reading r;
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x80) {
      i += i + 1 < bytes.size() ? 2 : 1;
    } else if (c == '\n') {
      r.lines.push_back(withoutFinalCr(bytes.substr(start, i - start)));
      start = ++i;
    } else if (c == 0 || c == 0x1A) {
      r.lines.push_back(withoutFinalCr(bytes.substr(start, i - start)));
      r.stopOffset = int64_t(i);
      return r;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) r.lines.push_back(withoutFinalCr(bytes.substr(start)));
  return r;
}

// What the injected read serves.
std::string_view gBytes;
size_t gServed = 0;
std::string_view gChunks;  // sizes of successive reads (cycled)
size_t gCall = 0;
size_t gFailAt = 0;  // 0: never

ssize_t servedRead(int, void* buffer, size_t size) {
  ++gCall;
  if (gCall == gFailAt) {
    errno = EIO;
    return -1;
  }
  size_t chunk = gChunks.empty() ? size : 1 + static_cast<unsigned char>(gChunks[gCall % gChunks.size()]);
  size_t n = std::min({size, chunk, gBytes.size() - gServed});
  std::memcpy(buffer, gBytes.data() + gServed, n);
  gServed += n;
  return ssize_t(n);
}

const std::string& regularFile() {
  static const std::string path = [] {
    char name[] = "/tmp/quorvan-fuzz-reader-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) abort();
    close(fd);
    return std::string(name);
  }();
  return path;
}

struct RemoveFileAtExit {
  ~RemoveFileAtExit() { unlink(regularFile().c_str()); }
} gRemove;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const uint8_t flags = input.byte();
  const size_t blockSize = 1 + input.byte() % 64;
  gChunks = input.piece(4);
  gFailAt = (flags & 1) ? 1 + input.byte() % 16 : 0;
  gBytes = input.rest();
  gServed = 0;
  gCall = 0;

  platform::InputFile file;
  if (!file.open(regularFile())) abort();
  platform::sysCalls().read = servedRead;
  LineReader reader(file, blockSize);
  const Reading expected = readDirectly(gBytes);

  bool mark = false;
  if (flags & 2) mark = reader.startsWithUtf16Mark();
  std::vector<std::string> lines;
  TextView line;
  LineReader::Status status;
  while ((status = reader.next(line)) == LineReader::Status::Line) {
    lines.emplace_back(line);
    if (lines.size() > expected.lines.size()) abort();
  }
  platform::sysCalls() = platform::realSysCalls();

  if (status == LineReader::Status::Failed) {
    if (gFailAt == 0) abort();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] != expected.lines[i]) abort();
    }
    return 0;
  }
  if (lines != expected.lines) abort();
  if (status == LineReader::Status::Stopped) {
    if (reader.stopOffset() != expected.stopOffset) abort();
  } else {
    if (expected.stopOffset != -1 || reader.consumed() != int64_t(gBytes.size())) abort();
  }
  if (flags & 2) {
    bool expectMark = gBytes.size() >= 2 && ((gBytes[0] == '\xFF' && gBytes[1] == '\xFE') ||
                                             (gBytes[0] == '\xFE' && gBytes[1] == '\xFF'));
    // An injected failure before the first two bytes arrived may hide the mark.
    if (mark != expectMark && gFailAt == 0) abort();
  }
  return 0;
}
