#include "platform/syscalls.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace quorvan::platform {
namespace {

int openFile(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t readFile(int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); }
ssize_t writeFile(int fd, const void* buffer, size_t size) { return ::write(fd, buffer, size); }
int syncFile(int fd) { return ::fdatasync(fd); }
int changeMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int closeFile(int fd) { return ::close(fd); }
int renameFile(const char* from, const char* to) { return ::rename(from, to); }
int linkFile(const char* from, const char* to) { return ::link(from, to); }
int unlinkFile(const char* path) { return ::unlink(path); }
int makeTemporary(char* pathTemplate) { return ::mkstemp(pathTemplate); }

constexpr SysCalls kReal{openFile,  readFile,  writeFile,  syncFile,   changeMode,
                         closeFile, renameFile, linkFile,   unlinkFile, makeTemporary};

}  // namespace

SysCalls& sysCalls() {
  static SysCalls table = kReal;
  return table;
}

const SysCalls& realSysCalls() { return kReal; }

}  // namespace quorvan::platform
