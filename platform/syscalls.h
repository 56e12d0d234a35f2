#pragma once
// The system calls behind every file the tool reads or writes, as one replaceable table.
//
// Production code calls through sysCalls(); a test may replace an entry (for example to make
// the Nth write fail with ENOSPC) and must restore it before it ends. Replace entries only
// while no job runs.
#include <sys/types.h>

namespace quorvan::platform {

struct SysCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*read)(int fd, void* buffer, size_t size);
  ssize_t (*write)(int fd, const void* buffer, size_t size);
  int (*fdatasync)(int fd);
  int (*fchmod)(int fd, mode_t mode);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*link)(const char* from, const char* to);
  int (*unlink)(const char* path);
  int (*mkstemp)(char* pathTemplate);
};

// The process-wide table, filled with the real system calls.
SysCalls& sysCalls();

// The real system calls, for restoring or wrapping an entry.
const SysCalls& realSysCalls();

}  // namespace quorvan::platform
