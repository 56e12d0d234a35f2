#include "platform/files.h"

#include <fcntl.h>
#include <glob.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/gbk.h"
#include "platform/standard_streams.h"
#include "platform/syscalls.h"

namespace quorvan::platform {
namespace {

constexpr size_t kWriteBlock = 1 << 20;

std::string errorText(int error) {
  char buffer[256];
  // The GNU strerror_r returns the text, which may or may not be in buffer.
  return std::string(strerror_r(error, buffer, sizeof buffer));
}

const char* kBadName = "the file name cannot be converted between GBK and UTF-8";

// The mode a new file gets from the process's umask, read without changing it.
mode_t newFileMode() {
  static const mode_t mode = [] {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("Umask:", 0) == 0) return mode_t(0666 & ~std::stoul(line.substr(6), nullptr, 8));
    }
    return mode_t(0644);
  }();
  return mode;
}

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<std::string> nativePath(std::string_view gbkPath) { return gbkToUtf8(gbkPath); }

std::string joinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
  path += name;
  return path;
}

// ---- InputFile ----

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(other.fd_), size_(other.size_), reason_(std::move(other.reason_)) {
  other.fd_ = -1;
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    size_ = other.size_;
    reason_ = std::move(other.reason_);
    other.fd_ = -1;
  }
  return *this;
}

InputFile::~InputFile() { close(); }

bool InputFile::open(std::string_view gbkPath) {
  close();
  reason_.clear();
  auto path = nativePath(gbkPath);
  if (!path || gbkPath.empty()) {
    reason_ = gbkPath.empty() ? errorText(ENOENT) : kBadName;
    return false;
  }
  // Non-blocking, so that opening a FIFO cannot hang; only regular files are kept.
  int fd = sysCalls().open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
  if (fd < 0) {
    reason_ = errorText(errno);
    return false;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    reason_ = errorText(errno);
    sysCalls().close(fd);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    reason_ = S_ISDIR(info.st_mode) ? errorText(EISDIR) : "not a regular file";
    sysCalls().close(fd);
    return false;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  size_ = info.st_size;
  return true;
}

bool InputFile::openStandardInput() {
  close();
  reason_.clear();
  if (wasClosed(StandardStream::Input)) {
    reason_ = errorText(EBADF);
    return false;
  }
  int fd = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) {
    reason_ = errorText(errno);
    return false;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    reason_ = errorText(S_ISDIR(info.st_mode) ? EISDIR : errno);
    sysCalls().close(fd);
    return false;
  }
  fd_ = fd;
  size_ = S_ISREG(info.st_mode) ? info.st_size : 0;
  return true;
}

int64_t InputFile::read(char* buffer, size_t size) {
  if (fd_ < 0) return 0;
  for (;;) {
    ssize_t got = sysCalls().read(fd_, buffer, size);
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    reason_ = errorText(errno);
    return -1;
  }
}

void InputFile::close() {
  if (fd_ >= 0) sysCalls().close(fd_);
  fd_ = -1;
}

// ---- AtomicFileWriter ----

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

bool AtomicFileWriter::fail(const char* what, int error) {
  reason_ = what ? std::string(what) : errorText(error);
  failed_ = true;
  abandon();
  return false;
}

bool AtomicFileWriter::open(std::string_view gbkTargetPath) {
  abandon();
  targetExisted_ = false;
  failed_ = false;
  finished_ = false;
  buffer_.clear();
  reason_.clear();
  auto path = nativePath(gbkTargetPath);
  if (!path) return fail(kBadName, 0);
  if (path->empty()) return fail(nullptr, ENOENT);
  target_ = *path;

  struct stat info {};
  if (stat(target_.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) return fail(nullptr, EISDIR);
    if (!S_ISREG(info.st_mode)) return fail("not a regular file", 0);
    // A rename would bypass the target's own protection: honour it here.
    if (access(target_.c_str(), W_OK) != 0) return fail(nullptr, errno);
    mode_ = info.st_mode & 07777;
  } else {
    mode_ = newFileMode();
  }

  std::string pattern = folderOf(target_) + "/." + baseNameOf(target_) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = sysCalls().mkstemp(name.data());
  if (fd < 0) return fail(nullptr, errno);
  fd_ = fd;
  temporary_ = name.data();
  buffer_.reserve(kWriteBlock);
  return true;
}

bool AtomicFileWriter::flush() {
  size_t done = 0;
  while (done < buffer_.size()) {
    ssize_t put = sysCalls().write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return fail(nullptr, errno);
    }
    if (put == 0) return fail(nullptr, ENOSPC);
    done += size_t(put);
  }
  buffer_.clear();
  return true;
}

bool AtomicFileWriter::write(std::string_view bytes) {
  if (fd_ < 0 || failed_ || finished_) return false;
  if (buffer_.size() + bytes.size() > kWriteBlock) {
    if (!flush()) return false;
    if (bytes.size() > kWriteBlock) {
      buffer_.assign(bytes);  // one very long line: write it in one go
      return flush();
    }
  }
  buffer_.append(bytes);
  return true;
}

bool AtomicFileWriter::writeLine(std::string_view line) {
  return write(line) && write(std::string_view("\r\n", 2));
}

bool AtomicFileWriter::finish() {
  if (finished_) return true;
  if (fd_ < 0 || failed_) return false;
  if (!flush()) return false;
  // A finished file may wait long for its publish (the parts of a split): hold no buffer.
  std::string().swap(buffer_);
  if (sysCalls().fchmod(fd_, mode_) != 0) return fail(nullptr, errno);
  if (sysCalls().fdatasync(fd_) != 0) return fail(nullptr, errno);
  int fd = fd_;
  fd_ = -1;
  if (sysCalls().close(fd) != 0) return fail(nullptr, errno);
  finished_ = true;
  return true;
}

bool AtomicFileWriter::publish() {
  if (!finished_ || failed_ || temporary_.empty()) return false;
  if (sysCalls().rename(temporary_.c_str(), target_.c_str()) != 0) return fail(nullptr, errno);
  temporary_.clear();
  return true;
}

bool AtomicFileWriter::publishKeepingOld() {
  if (!finished_ || failed_ || temporary_.empty()) return false;
  struct stat info {};
  targetExisted_ = stat(target_.c_str(), &info) == 0;
  if (targetExisted_) {
    // A second name for the old file: the rename below then cannot lose it.
    std::string kept = temporary_ + ".old";
    if (sysCalls().link(target_.c_str(), kept.c_str()) != 0) return fail(nullptr, errno);
    kept_ = std::move(kept);
  }
  if (!publish()) {
    if (!kept_.empty()) sysCalls().unlink(kept_.c_str());
    kept_.clear();
    return false;
  }
  published_ = true;
  return true;
}

void AtomicFileWriter::undoPublish() {
  if (!published_) return;
  if (!kept_.empty()) {
    if (sysCalls().rename(kept_.c_str(), target_.c_str()) == 0) kept_.clear();
  } else if (!targetExisted_) {
    sysCalls().unlink(target_.c_str());
  }
  published_ = false;
}

void AtomicFileWriter::abandon() {
  if (!kept_.empty()) sysCalls().unlink(kept_.c_str());
  kept_.clear();
  published_ = false;
  if (fd_ >= 0) sysCalls().close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) sysCalls().unlink(temporary_.c_str());
  temporary_.clear();
  finished_ = false;
}

// ---- folders and the rest ----

bool fileExists(std::string_view gbkPath) {
  if (gbkPath.empty()) return false;
  auto path = nativePath(gbkPath);
  if (!path) return false;
  if (path->find_first_of("*?[") != std::string::npos) {
    glob_t found{};
    bool any = glob(path->c_str(), GLOB_NOSORT, nullptr, &found) == 0 && found.gl_pathc > 0;
    globfree(&found);
    return any;
  }
  struct stat info {};
  return stat(path->c_str(), &info) == 0;
}

bool isDirectory(std::string_view gbkPath) {
  auto path = nativePath(gbkPath);
  struct stat info {};
  return path && !path->empty() && stat(path->c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void deleteFile(std::string_view gbkPath) {
  if (auto path = nativePath(gbkPath); path && !path->empty()) sysCalls().unlink(path->c_str());
}

std::string programDirectory() {
  std::vector<char> buffer(4096);
  ssize_t got = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (got <= 0) return std::string();
  std::string exe(buffer.data(), size_t(got));
  return utf8ToGbk(folderOf(exe)).value_or(std::string());
}

void ignoreWriteSignals() {
  signal(SIGXFSZ, SIG_IGN);
  signal(SIGPIPE, SIG_IGN);
}

}  // namespace quorvan::platform
