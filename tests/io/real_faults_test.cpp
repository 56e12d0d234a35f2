// Real faults of the machine, not of the seam: a full disk, no permission, a file-size limit,
// a process killed while writing. Each runs in a child process, since it changes the process
// (mounts, user, limits); a machine that cannot make the fault skips the test.
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "core/engine_state.h"
#include "io/import_export.h"
#include "io/merge_split.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/syscalls.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"
#include "tests/support/skip.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::listFolder;
using testing::makeLines;
using testing::readFile;
using testing::RecordingHost;
using testing::TempDir;
using testing::writeFile;

constexpr int kCannot = 77;

std::string programDirectory() { return *platform::gbkToUtf8(platform::programDirectory()); }

// Runs `check` in a child process; its exit code (0 = every check held, kCannot = the fault
// cannot be made here, else the number of the failed check).
int inChild(const std::function<int()>& check) {
  std::fflush(nullptr);
  pid_t child = fork();
  if (child == 0) _exit(check());
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#define CHECK_OR_EXIT(n, condition)                                  \
  do {                                                               \
    if (!(condition)) {                                              \
      std::fprintf(stderr, "check %d failed: %s\n", n, #condition);  \
      return n;                                                      \
    }                                                                \
  } while (false)

std::string exportTo(EngineState& state, const std::string& target) {
  RecordingHost host;
  host.answerDialog(target);
  Job job(state, host, FrameKind::File);
  ExportLines(job);
  return host.lastMessage();
}

LineList manyLines(int count) {
  std::vector<std::string> lines(size_t(count), std::string(100, 'x'));
  return makeLines(lines);
}

TEST(RealFaults, AFullDiskKeepsTheOldFilesAndLeavesNoTemporaryFile) {
  TempDir dir;
  int result = inChild([&] {
    if (unshare(CLONE_NEWNS) != 0) return kCannot;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return kCannot;
    if (mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=1m") != 0) return kCannot;
    const std::string old(200000, 'o');
    writeFile(dir.file("out.txt"), old);
    writeFile(dir.file("1_in.txt"), "old part");
    EngineState state;
    state.store.workingLines = manyLines(20000);  // about 2 MB
    state.store.lastImportedPath = "in.txt";
    std::string message = exportTo(state, dir.file("out.txt"));
    CHECK_OR_EXIT(1, message.rfind("注意：无法写入文件：" + dir.file("out.txt") + "\n", 0) == 0);
    CHECK_OR_EXIT(2, readFile(dir.file("out.txt")) == old);
    CHECK_OR_EXIT(3, (listFolder(dir.path()) == std::vector<std::string>{"1_in.txt", "out.txt"}));
    CHECK_OR_EXIT(4, state.store.workingLines.count() == 20000);

    // Split: the first part fits, a later one does not; every part goes again.
    RecordingHost host;
    host.setText(kSplitPartsBox, "4");
    host.setText(kSplitFolderBox, dir.path());
    Job job(state, host);
    SplitExport(job);
    CHECK_OR_EXIT(5, host.lastMessage().rfind("注意：无法写入文件：" + dir.path() + "/", 0) == 0);
    CHECK_OR_EXIT(6, readFile(dir.file("1_in.txt")) == "old part");
    CHECK_OR_EXIT(7, (listFolder(dir.path()) == std::vector<std::string>{"1_in.txt", "out.txt"}));
    return 0;
  });
  if (result == kCannot) QUORVAN_SKIP("no private mount namespace with a tmpfs here");
  EXPECT_EQ(result, 0);
}

// As the unprivileged user "nobody" when the test runs as root, else as the user itself.
int asUnprivileged(const std::function<int()>& check) {
  return inChild([&] {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
      return kCannot;
    if (geteuid() == 0) return kCannot;
    return check();
  });
}

TEST(RealFaults, PermissionDeniedIsReportedAndChangesNothing) {
  TempDir dir;
  chmod(dir.path().c_str(), 0777);
  writeFile(dir.file("secret.txt"), "a\r\n");
  chmod(dir.file("secret.txt").c_str(), 0000);
  writeFile(dir.file("locked.txt"), "old\r\n");
  chmod(dir.file("locked.txt").c_str(), 0444);
  mkdir(dir.file("closed").c_str(), 0555);
  int result = asUnprivileged([&] {
    EngineState state;
    state.store.workingLines = makeLines({"keep"});
    RecordingHost host;
    host.answerDialog(dir.file("secret.txt"));
    Job job(state, host, FrameKind::File);
    ImportLines(job);
    CHECK_OR_EXIT(1, host.lastMessage().rfind("注意：无法读取文件：" + dir.file("secret.txt") + "\n", 0) == 0);
    CHECK_OR_EXIT(2, linesOf(state.store.workingLines) == std::vector<std::string>{"keep"});

    std::string message = exportTo(state, dir.file("locked.txt"));
    CHECK_OR_EXIT(3, message.rfind("注意：无法写入文件：" + dir.file("locked.txt") + "\n", 0) == 0);
    message = exportTo(state, dir.file("closed/out.txt"));
    CHECK_OR_EXIT(4, message.rfind("注意：无法写入文件：" + dir.file("closed/out.txt") + "\n", 0) == 0);

    // The removed-lines file goes beside the program, whose folder nobody may not write to.
    if (access(programDirectory().c_str(), W_OK) == 0) return 0;
    state.store.removedLines = makeLines({"r"});
    RecordingHost other;
    Job removed(state, other, FrameKind::File);
    WriteRemovedLines(removed);
    CHECK_OR_EXIT(5, other.lastMessage().rfind("注意：无法写入文件：" + programDirectory() + "/", 0) == 0);
    CHECK_OR_EXIT(6, linesOf(state.store.removedLines) == std::vector<std::string>{"r"});
    return 0;
  });
  if (result == kCannot) QUORVAN_SKIP("cannot run as an unprivileged user here");
  EXPECT_EQ(result, 0);
  chmod(dir.file("locked.txt").c_str(), 0644);
  EXPECT_EQ(readFile(dir.file("locked.txt")), "old\r\n");
  EXPECT_TRUE(listFolder(dir.file("closed")).empty());
  EXPECT_EQ(listFolder(dir.path()), (std::vector<std::string>{"closed", "locked.txt", "secret.txt"}));
}

// A file-size limit makes the write fail (EFBIG) instead of killing the process.
TEST(RealFaults, AFileSizeLimitIsAnErrorNotAKill) {
  TempDir dir;
  writeFile(dir.file("out.txt"), "old");
  int result = inChild([&] {
    platform::ignoreWriteSignals();
    rlimit limit{16 * 1024, 16 * 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return kCannot;
    EngineState state;
    state.store.workingLines = manyLines(20000);
    std::string message = exportTo(state, dir.file("out.txt"));
    CHECK_OR_EXIT(1, message.rfind("注意：无法写入文件：" + dir.file("out.txt") + "\n", 0) == 0);
    return 0;
  });
  if (result == kCannot) QUORVAN_SKIP("cannot lower the file-size limit");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(readFile(dir.file("out.txt")), "old");
  EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"out.txt"});
}

// Address-space limits do not mix with the sanitizers' shadow memory.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// A file too big for the memory left: a clear message, and the old lines stay.
TEST(RealFaults, RunningOutOfMemoryWhileImportingKeepsTheOldLines) {
  if (kSanitized) QUORVAN_SKIP("address-space limit under a sanitizer");
  TempDir dir;
  writeFile(dir.file("big.txt"), std::string(300 << 20, '1') + "\r\n");
  int result = inChild([&] {
    EngineState state;
    state.store.workingLines = makeLines({"keep"});
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    // Room for what the process has now and some, but not for the file's one line.
    long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
      if (std::fscanf(f, "%ld", &pages) != 1) pages = 0;
      std::fclose(f);
    }
    if (pages == 0) return kCannot;
    limit.rlim_cur = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (200 << 20);
    if (setrlimit(RLIMIT_AS, &limit) != 0) return kCannot;
    RecordingHost host;
    host.answerDialog(dir.file("big.txt"));
    Job job(state, host, FrameKind::File);
    ImportLines(job);
    CHECK_OR_EXIT(1, host.lastMessage() == "注意：无法读取文件：" + dir.file("big.txt") + "\n内存不足。");
    CHECK_OR_EXIT(2, linesOf(state.store.workingLines) == std::vector<std::string>{"keep"});
    return 0;
  });
  if (result == kCannot) QUORVAN_SKIP("cannot limit the address space");
  EXPECT_EQ(result, 0);
}

// Killed in the middle of writing: the target is the old file, whole.
TEST(RealFaults, AKillWhileWritingLeavesTheOldTarget) {
  TempDir dir;
  writeFile(dir.file("out.txt"), "old");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  static int signalFd;
  signalFd = ready[1];
  std::fflush(nullptr);
  pid_t child = fork();
  if (child == 0) {
    // After the first block reaches the temporary file, say so and wait to be killed.
    platform::sysCalls().write = [](int fd, const void* b, size_t n) -> ssize_t {
      ssize_t put = platform::realSysCalls().write(fd, b, n);
      char c = 1;
      (void)!::write(signalFd, &c, 1);
      for (;;) pause();
      return put;
    };
    EngineState state;
    state.store.workingLines = manyLines(30000);
    exportTo(state, dir.file("out.txt"));
    _exit(1);
  }
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  EXPECT_EQ(readFile(dir.file("out.txt")), "old");
  // Only the hidden temporary file beside it may remain.
  for (const auto& name : listFolder(dir.path())) {
    EXPECT_TRUE(name == "out.txt" || name.rfind(".out.txt.", 0) == 0) << name;
  }
}

}  // namespace
}  // namespace quorvan
