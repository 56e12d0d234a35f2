#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/syscalls.h"

namespace quorvan::platform {
namespace {

constexpr size_t kBlock = 1 << 20;

}  // namespace

bool isTerminal(StandardStream stream) { return isatty(int(stream)) == 1; }

bool StreamWriter::fail(int error) {
  char text[256];
  reason_ = strerror_r(error, text, sizeof text);
  failed_ = true;
  buffer_.clear();
  return false;
}

bool StreamWriter::usable() {
  if (failed_) return false;
  if (fcntl(fd_, F_GETFD) < 0) return fail(errno);
  return true;
}

bool StreamWriter::write(std::string_view bytes) {
  if (failed_) return false;
  buffer_.append(bytes);
  return buffer_.size() < kBlock || flush();
}

bool StreamWriter::writeLine(std::string_view line) {
  if (failed_) return false;
  buffer_.append(line);
  buffer_.append("\r\n");
  return buffer_.size() < kBlock || flush();
}

bool StreamWriter::flush() {
  if (failed_) return false;
  size_t done = 0;
  while (done < buffer_.size()) {
    ssize_t wrote = sysCalls().write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += size_t(wrote);
  }
  buffer_.clear();
  return true;
}

}  // namespace quorvan::platform
