#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/syscalls.h"

namespace quorvan::platform {
namespace {

constexpr size_t kBlock = 1 << 20;

// Which of the three standard streams occupyClosedStandardStreams() found closed.
bool foundClosed[3] = {false, false, false};

}  // namespace

void occupyClosedStandardStreams() {
  for (int fd = 0; fd < 3; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    foundClosed[fd] = true;
    // The lowest free number is fd itself: the lower ones are open by now.
    int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (null >= 0 && null != fd) close(null);
  }
}

bool wasClosed(StandardStream stream) { return foundClosed[int(stream)]; }

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
  if (foundClosed[fd_]) return fail(EBADF);
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
