#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "platform/syscalls.h"
#include "tests/support/files.h"

namespace quorvan::platform {
namespace {

using quorvan::testing::TempDir;
using quorvan::testing::listFolder;
using quorvan::testing::readFile;
using quorvan::testing::writeFile;

TEST(InputFile, ReadsOnlyRegularFiles) {
  TempDir dir;
  writeFile(dir.file("a.txt"), "abc");
  InputFile file;
  ASSERT_TRUE(file.open(dir.file("a.txt")));
  EXPECT_EQ(file.size(), 3);
  char buffer[8];
  EXPECT_EQ(file.read(buffer, sizeof buffer), 3);
  EXPECT_EQ(file.read(buffer, sizeof buffer), 0);

  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
  const std::string refused[] = {dir.file("missing.txt"), dir.path(), dir.file("fifo"), "/dev/zero", ""};
  for (const auto& path : refused) {
    InputFile other;
    EXPECT_FALSE(other.open(path)) << path;
    EXPECT_FALSE(other.reason().empty()) << path;
  }
}

TEST(AtomicFileWriter, ReplacesTheTargetWholeAndKeepsItsMode) {
  TempDir dir;
  std::string target = dir.file("out.txt");
  writeFile(target, "old");
  chmod(target.c_str(), 0640);
  AtomicFileWriter writer;
  ASSERT_TRUE(writer.open(target));
  ASSERT_TRUE(writer.writeLine("a"));
  ASSERT_TRUE(writer.writeLine(""));
  EXPECT_EQ(readFile(target), "old");  // nothing visible before the commit
  ASSERT_TRUE(writer.commit());
  EXPECT_EQ(readFile(target), "a\r\n\r\n");
  struct stat info {};
  stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"out.txt"});
}

TEST(AtomicFileWriter, RefusesFoldersAndMissingFolders) {
  TempDir dir;
  AtomicFileWriter writer;
  EXPECT_FALSE(writer.open(dir.path()));
  EXPECT_FALSE(writer.open(dir.file("missing/out.txt")));
  EXPECT_FALSE(writer.reason().empty());
  EXPECT_TRUE(listFolder(dir.path()).empty());
}

TEST(AtomicFileWriter, AbandonedWritesLeaveNoTrace) {
  TempDir dir;
  std::string target = dir.file("out.txt");
  writeFile(target, "old");
  {
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.open(target));
    writer.writeLine("new");
  }
  EXPECT_EQ(readFile(target), "old");
  EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"out.txt"});
}

// Each system call of a write, failed in turn, must leave the old file and no temporary file.
TEST(AtomicFileWriter, AFailureAtAnyStepKeepsTheOldFile) {
  struct Step {
    const char* name;
    void (*arm)(SysCalls&);
  };
  const Step steps[] = {
      {"mkstemp", [](SysCalls& s) { s.mkstemp = [](char*) { errno = EACCES; return -1; }; }},
      {"write", [](SysCalls& s) { s.write = [](int, const void*, size_t) -> ssize_t { errno = ENOSPC; return -1; }; }},
      {"fchmod", [](SysCalls& s) { s.fchmod = [](int, mode_t) { errno = EPERM; return -1; }; }},
      {"fdatasync", [](SysCalls& s) { s.fdatasync = [](int) { errno = EIO; return -1; }; }},
      {"close", [](SysCalls& s) {
         s.close = [](int fd) { realSysCalls().close(fd); errno = EIO; return -1; };
       }},
      {"rename", [](SysCalls& s) { s.rename = [](const char*, const char*) { errno = EXDEV; return -1; }; }},
  };
  for (const auto& step : steps) {
    TempDir dir;
    std::string target = dir.file("out.txt");
    writeFile(target, "old");
    step.arm(sysCalls());
    AtomicFileWriter writer;
    bool ok = writer.open(target) && writer.writeLine("new") && writer.commit();
    sysCalls() = realSysCalls();
    EXPECT_FALSE(ok) << step.name;
    EXPECT_FALSE(writer.reason().empty()) << step.name;
    EXPECT_EQ(readFile(target), "old") << step.name;
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"out.txt"}) << step.name;
  }
}

// Runs `action` in a child process as the unprivileged user "nobody" (root only); returns its
// exit status, or -1 when the test cannot drop privileges here.
int runAsNobody(const std::function<int()>& action) {
  if (geteuid() != 0) return action();
  pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
    _exit(action());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AtomicFileWriter, HonoursAReadOnlyTargetAndFolder) {
  TempDir dir;
  chmod(dir.path().c_str(), 0777);
  std::string target = dir.file("locked.txt");
  writeFile(target, "old");
  chmod(target.c_str(), 0444);
  int status = runAsNobody([&] {
    AtomicFileWriter writer;
    return writer.open(target) ? 1 : 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(readFile(target), "old");

  std::string closed = dir.file("closed");
  mkdir(closed.c_str(), 0555);
  status = runAsNobody([&] {
    AtomicFileWriter writer;
    return writer.open(closed + "/out.txt") ? 1 : 0;
  });
  EXPECT_EQ(status, 0);
}

TEST(Paths, ConvertAtTheBoundary) {
  EXPECT_EQ(nativePath("\xD6\xD0.txt"), "中.txt");
  EXPECT_EQ(nativePath("a\x81"), std::nullopt);
  AtomicFileWriter writer;
  EXPECT_FALSE(writer.open("/tmp/a\x81"));
  EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
  EXPECT_EQ(joinPath("/a", "b"), "/a/b");
}

TEST(FileExists, KnowsFilesFoldersAndPatterns) {
  TempDir dir;
  writeFile(dir.file("x1.txt"), "");
  EXPECT_TRUE(fileExists(dir.file("x1.txt")));
  EXPECT_TRUE(fileExists(dir.path()));
  EXPECT_TRUE(fileExists(dir.file("x*.txt")));
  EXPECT_FALSE(fileExists(dir.file("y*.txt")));
  EXPECT_FALSE(fileExists(""));
  EXPECT_FALSE(programDirectory().empty());
}

}  // namespace
}  // namespace quorvan::platform
