// Every system call of a file job fails in turn (N = 1, 2, ... until the job succeeds). After
// each failure the old files are byte-identical, no temporary file is left, the message names
// the path, and the lines in memory are unchanged.
#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "core/engine_state.h"
#include "io/import_export.h"
#include "io/merge_split.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/syscalls.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::listFolder;
using testing::makeLines;
using testing::readFile;
using testing::RecordingHost;
using testing::TempDir;
using testing::writeFile;
using platform::realSysCalls;
using platform::sysCalls;

// Fails the Nth call of the seam, counting every entry a write can fail at. A failing close
// still closes, so no descriptor leaks. unlink is never failed: it is how a failure cleans up.
int gCalls = 0;
int gFailAt = 0;

bool failNow() { return ++gCalls == gFailAt; }

void armFailureAt(int n) {
  gCalls = 0;
  gFailAt = n;
  auto& s = sysCalls();
  s.open = [](const char* p, int f, mode_t m) { return failNow() ? (errno = EACCES, -1) : realSysCalls().open(p, f, m); };
  s.read = [](int fd, void* b, size_t n) -> ssize_t { return failNow() ? (errno = EIO, -1) : realSysCalls().read(fd, b, n); };
  s.write = [](int fd, const void* b, size_t n) -> ssize_t {
    return failNow() ? (errno = ENOSPC, -1) : realSysCalls().write(fd, b, n);
  };
  s.fdatasync = [](int fd) { return failNow() ? (errno = EIO, -1) : realSysCalls().fdatasync(fd); };
  s.fchmod = [](int fd, mode_t m) { return failNow() ? (errno = EPERM, -1) : realSysCalls().fchmod(fd, m); };
  s.close = [](int fd) {
    int r = realSysCalls().close(fd);
    return failNow() ? (errno = EIO, -1) : r;
  };
  s.rename = [](const char* a, const char* b) { return failNow() ? (errno = EXDEV, -1) : realSysCalls().rename(a, b); };
  s.link = [](const char* a, const char* b) { return failNow() ? (errno = EMLINK, -1) : realSysCalls().link(a, b); };
  s.mkstemp = [](char* t) { return failNow() ? (errno = EACCES, -1) : realSysCalls().mkstemp(t); };
}

struct Disarm {
  ~Disarm() { sysCalls() = realSysCalls(); }
};

std::map<std::string, std::string> snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& name : listFolder(folder)) files[name] = readFile(folder + "/" + name);
  return files;
}

const std::vector<std::string> kLines = {"13800138000", "", "\xD6\xD0\xCE\xC4", "a,b,c", "last"};

// Runs `job` with the Nth call failing until it succeeds; `check` runs after every failure.
template <class RunJob, class Check>
int failEachCallInTurn(RunJob runJob, Check check) {
  for (int n = 1; n < 500; ++n) {
    Disarm disarm;
    armFailureAt(n);
    const bool succeeded = runJob();
    sysCalls() = realSysCalls();
    if (succeeded) return n;
    check(n);
  }
  ADD_FAILURE() << "the job never succeeded";
  return 0;
}

TEST(FaultLoop, ExportKeepsTheOldFileAtEveryFailure) {
  TempDir dir;
  const std::string target = dir.file("out.txt");
  writeFile(target, "old contents\r\n");
  const auto before = snapshot(dir.path());
  EngineState state;
  state.store.workingLines = makeLines(kLines);
  std::string message;
  int n = failEachCallInTurn(
      [&] {
        RecordingHost host;
        host.answerDialog(target);
        Job job(state, host, FrameKind::File);
        ExportLines(job);
        message = host.lastMessage();
        return message == "导出完毕！";
      },
      [&](int n) {
        EXPECT_EQ(message.rfind("注意：无法写入文件：" + target, 0), 0u) << n << ": " << message;
        EXPECT_EQ(snapshot(dir.path()), before) << n;
        EXPECT_EQ(linesOf(state.store.workingLines), kLines) << n;
      });
  EXPECT_GE(n, 5);  // mkstemp, write, fchmod, fdatasync, close come before the rename
  EXPECT_EQ(readFile(target), "13800138000\r\n\r\n\xD6\xD0\xCE\xC4\r\na,b,c\r\nlast\r\n");
  EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"out.txt"});
}

TEST(FaultLoop, TheRemovedLinesFileIsWholeOrAbsentAtEveryFailure) {
  const std::string folder = *platform::gbkToUtf8(platform::programDirectory());
  EngineState state;
  state.store.workingLines = makeLines({"w"});
  state.store.removedLines = makeLines(kLines);
  std::string message;
  failEachCallInTurn(
      [&] {
        RecordingHost host;
        Job job(state, host, FrameKind::File);
        WriteRemovedLines(job);
        message = host.lastMessage();
        return message.rfind("文件已经写出到程序目录下的 ", 0) == 0;
      },
      [&](int n) {
        const std::string prefix = "注意：无法写入文件：" + folder + "/";
        ASSERT_EQ(message.rfind(prefix, 0), 0u) << n << ": " << message;
        // Other tests may write beside the program at the same time: look for this file only.
        const std::string name = message.substr(prefix.size(), message.find('\n') - prefix.size());
        for (const auto& entry : listFolder(folder)) {
          EXPECT_NE(entry, name) << n;
          EXPECT_NE(entry.rfind("." + name + ".", 0), 0u) << n << ": " << entry;
        }
        EXPECT_EQ(linesOf(state.store.removedLines), kLines) << n;
        EXPECT_EQ(linesOf(state.store.workingLines), std::vector<std::string>{"w"}) << n;
      });
  const std::string name = message.substr(std::string("文件已经写出到程序目录下的 ").size());
  platform::deleteFile(*platform::utf8ToGbk(folder + "/" + name));
}

// Three parts over existing files of the same names: at every failure, the rename of a later
// part included, all three old files stay as they were.
TEST(FaultLoop, SplitPublishesAllPartsOrNone) {
  TempDir dir;
  for (int part = 1; part <= 3; ++part) {
    writeFile(dir.file(std::to_string(part) + "_in.txt"), "old part " + std::to_string(part));
  }
  writeFile(dir.file("other.txt"), "unrelated");
  const auto before = snapshot(dir.path());
  EngineState state;
  state.store.workingLines = makeLines(kLines);
  state.store.lastImportedPath = "/somewhere/in.txt";
  std::string message;
  int n = failEachCallInTurn(
      [&] {
        RecordingHost host;
        host.setText(kSplitPartsBox, "3");
        host.setText(kSplitFolderBox, dir.path());
        Job job(state, host);
        SplitExport(job);
        message = host.lastMessage();
        return message == "导出完毕！";
      },
      [&](int n) {
        EXPECT_EQ(message.rfind("注意：无法写入文件：" + dir.path() + "/", 0), 0u) << n << ": " << message;
        EXPECT_NE(message.find("_in.txt"), std::string::npos) << n << ": " << message;
        EXPECT_EQ(snapshot(dir.path()), before) << n;
        EXPECT_EQ(linesOf(state.store.workingLines), kLines) << n;
      });
  EXPECT_GE(n, 18);  // three parts of five calls, then a link and a rename per part
  EXPECT_EQ(readFile(dir.file("1_in.txt")), "13800138000\r\n");
  EXPECT_EQ(readFile(dir.file("2_in.txt")), "\r\n");
  EXPECT_EQ(readFile(dir.file("3_in.txt")), "\xD6\xD0\xCE\xC4\r\na,b,c\r\nlast\r\n");
  EXPECT_EQ(listFolder(dir.path()),
            (std::vector<std::string>{"1_in.txt", "2_in.txt", "3_in.txt", "other.txt"}));
}

// Parts that did not exist before are removed again when a later part fails.
TEST(FaultLoop, SplitLeavesNoNewPartBehind) {
  TempDir dir;
  EngineState state;
  state.store.workingLines = makeLines(kLines);
  state.store.lastImportedPath = "in.txt";
  std::string message;
  failEachCallInTurn(
      [&] {
        RecordingHost host;
        host.setText(kSplitPartsBox, "2");
        host.setText(kSplitFolderBox, dir.path());
        Job job(state, host);
        SplitExport(job);
        message = host.lastMessage();
        return message == "导出完毕！";
      },
      [&](int n) { EXPECT_TRUE(listFolder(dir.path()).empty()) << n << ": " << message; });
  EXPECT_EQ(listFolder(dir.path()), (std::vector<std::string>{"1_in.txt", "2_in.txt"}));
}

}  // namespace
}  // namespace quorvan
