#include "io/merge_split.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/engine_state.h"
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

const std::vector<std::string> kFrameOpen = {"setEnabled 按钮1 0", "setEnabled 按钮2 0",
                                             "setEnabled 按钮3 0", "setEnabled 分组框1 0",
                                             "setEnabled 选择夹2 0", "setProgressBar 0"};
const std::vector<std::string> kFrameEnable = {"setEnabled 按钮1 1", "setEnabled 按钮2 1",
                                               "setEnabled 按钮3 1", "setEnabled 分组框1 1",
                                               "setEnabled 选择夹2 1"};

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
  std::vector<std::string> lines;
  for (int i = from; i <= to; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

TEST(FileNameOf, TakesThePartAfterTheLastSeparator) {
  struct Case {
    std::string path;
    std::string name;
  };
  for (const Case& c : {
           Case{"C:\\data\\list.txt", "list.txt"},
           Case{"/home/user/list.txt", "list.txt"},
           Case{"D:list.txt", "list.txt"},
           Case{"mixed/dir\\x:y.txt", "y.txt"},
           Case{"list.txt", "list.txt"},
           Case{"folder/", ""},
           Case{"", ""},
           // 81 5C is one character: its second byte is no backslash.
           Case{"C:\\d\\\x81\x5C" "a.txt", "\x81\x5C" "a.txt"},
       }) {
    EXPECT_EQ(fileNameOf(c.path), c.name) << c.path;
  }
}

// ---- merge ----

class MergeFilesTest : public ::testing::Test {
 protected:
  void run() {
    Job job(state, host);
    MergeFiles(job);
  }

  TempDir dir;
  EngineState state;
  RecordingHost host;
};

TEST_F(MergeFilesTest, AppendsEachFilesLinesAfterTheLinesInOrder) {
  writeFile(dir.file("a.txt"), "a1\r\n\r\na2\r\na3\r\n");
  writeFile(dir.file("b.txt"), "b1\nb2");  // LF ends and no final line end: read to the end
  state.store.workingLines = makeLines(numbered("w", 1, 10));
  state.store.removedLines = makeLines({"removed"});
  state.store.lastImportedPath = "/in/list.txt";
  host.setGbkText("编辑框11", dir.file("a.txt") + "|" + dir.file("b.txt"));
  run();

  EXPECT_EQ(linesOf(state.store.workingLines),
            concat({numbered("w", 1, 10), {"a1", "a2", "a3", "b1", "b2"}}));
  EXPECT_EQ(host.calls(), concat({{"clearItems"}, kFrameOpen, {"setProgressBar 0", "setProgressBar 0"},
                                  {"setControlText 编辑框11 ", "setProgressBar 100", "setItemCount 15"},
                                  kFrameEnable, {"showMessage info 导入完毕，现在总数：15 行！"}}));
  EXPECT_EQ(linesOf(state.store.removedLines), std::vector<std::string>{"removed"});
  EXPECT_EQ(state.store.lastImportedPath, "/in/list.txt");

  // The box is empty now: a second run merges nothing and reports the same count.
  host.clearCalls();
  run();
  EXPECT_EQ(state.store.workingLines.count(), 15);
  EXPECT_EQ(host.lastMessage(), "导入完毕，现在总数：15 行！");
}

TEST_F(MergeFilesTest, NamesTheFilesThatCouldNotBeRead) {
  writeFile(dir.file("a.txt"), "a1\r\na2\r\n");
  writeFile(dir.file("utf16.txt"), std::string("\xFF\xFE" "a\0\r\0\n\0", 8));
  std::filesystem::create_directory(dir.file("folder.txt"));
  const std::string missing = dir.file("missing.txt");
  host.setGbkText("编辑框11", missing + "|" + dir.file("a.txt") + "|" + dir.file("folder.txt") + "|" +
                                  dir.file("utf16.txt") + "|" + dir.file("a.txt"));
  run();

  // A file listed twice is merged twice; the unreadable ones add nothing.
  EXPECT_EQ(linesOf(state.store.workingLines), (std::vector<std::string>{"a1", "a2", "a1", "a2"}));
  EXPECT_EQ(host.messages(), std::vector<std::string>{"导入完毕，现在总数：4 行！\n以下文件无法读取：\n" +
                                                      missing + "\n" + dir.file("folder.txt") + "\n" +
                                                      dir.file("utf16.txt")});
  EXPECT_EQ(host.text("编辑框11"), "");
}

TEST_F(MergeFilesTest, SaysWhereAFileStoppedEarly) {
  writeFile(dir.file("c.txt"), std::string("c1\r\nc2\r\n\x1A" "c3\r\n", 11));
  host.setGbkText("编辑框11", dir.file("c.txt"));
  run();
  EXPECT_EQ(linesOf(state.store.workingLines), (std::vector<std::string>{"c1", "c2"}));
  EXPECT_EQ(host.lastMessage(), "导入完毕，现在总数：2 行！\n注意：文件 " + dir.file("c.txt") +
                                    " 在第 9 字节处有结束符（NUL 或 SUB），其后的数据没有读取！");
}

TEST_F(MergeFilesTest, EmptyBoxOnlyRunsTheFrame) {
  state.store.workingLines = makeLines({"x"});
  run();
  EXPECT_EQ(linesOf(state.store.workingLines), std::vector<std::string>{"x"});
  EXPECT_EQ(host.lastMessage(), "导入完毕，现在总数：1 行！");
  EXPECT_EQ(host.calls("setItemCount"), std::vector<std::string>{"setItemCount 1"});
}

// ---- split ----

class SplitExportTest : public ::testing::Test {
 protected:
  SplitExportTest() {
    // Ten lines, one of them empty: an empty line is written as CR LF alone.
    std::vector<std::string> lines = numbered("L", 1, 10);
    lines[4] = "";
    state.store.workingLines = makeLines(lines);
    state.store.lastImportedPath = "C:\\in\\list.txt";
    host.setGbkText("编辑框36", dir.path());
  }

  void run(const char* parts) {
    host.setText("编辑框34", parts);
    Job job(state, host);
    SplitExport(job);
  }

  std::string part(int number, const std::string& name = "list.txt") {
    return readFile(dir.file(std::to_string(number) + "_" + name));
  }

  TempDir dir;
  EngineState state;
  RecordingHost host;
};

TEST_F(SplitExportTest, WritesNearlyEqualPartsInOrder) {
  run("3");
  EXPECT_EQ(listFolder(dir.path()), (std::vector<std::string>{"1_list.txt", "2_list.txt", "3_list.txt"}));
  EXPECT_EQ(part(1), "L1\r\nL2\r\nL3\r\n");
  EXPECT_EQ(part(2), "L4\r\n\r\nL6\r\n");
  EXPECT_EQ(part(3), "L7\r\nL8\r\nL9\r\nL10\r\n");
  // The job only reads the lines: the list view keeps its rows.
  EXPECT_EQ(host.calls(), concat({kFrameOpen, {"setProgressBar 100"}, kFrameEnable,
                                  {"showMessage info 导出完毕！"}}));
  EXPECT_EQ(state.store.workingLines.count(), 10);
  EXPECT_EQ(state.store.progress(), 100);
}

TEST_F(SplitExportTest, TenLinesIntoTenPartsAndTooFewLinesForEleven) {
  run("10");
  EXPECT_EQ(listFolder(dir.path()).size(), 10u);
  EXPECT_EQ(part(1), "L1\r\n");
  EXPECT_EQ(part(5), "\r\n");
  EXPECT_EQ(part(10), "L10\r\n");

  TempDir other;
  host.setGbkText("编辑框36", other.path());
  host.clearCalls();
  run("11");
  EXPECT_EQ(host.calls(), std::vector<std::string>{"showMessage error 欲分割的数据不足！"});
  EXPECT_TRUE(listFolder(other.path()).empty());
}

TEST_F(SplitExportTest, NoCountOrNoFolderEndsSilently) {
  for (const char* parts : {"", "0", "-3", "abc"}) {
    run(parts);
    EXPECT_TRUE(host.calls().empty()) << parts;
  }
  host.setGbkText("编辑框36", "");
  run("2");
  EXPECT_TRUE(host.calls().empty());
}

// A folder that was removed after it was chosen is an error naming the first part.
TEST_F(SplitExportTest, AFolderThatIsGoneIsReported) {
  host.setGbkText("编辑框36", dir.file("gone"));
  run("2");
  EXPECT_EQ(host.lastMessage().rfind("注意：无法写入文件：" + dir.file("gone") + "/1_list.txt\n", 0), 0u)
      << host.lastMessage();
  EXPECT_TRUE(listFolder(dir.path()).empty());
}

TEST_F(SplitExportTest, NamesFollowTheLastImportAndReplaceExistingFiles) {
  writeFile(dir.file("1_list.txt"), std::string(1000, 'o'));
  writeFile(dir.file("2_list.txt"), "old\r\n");
  run("2");
  EXPECT_EQ(part(1), "L1\r\nL2\r\nL3\r\nL4\r\n\r\n");
  EXPECT_EQ(part(2), "L6\r\nL7\r\nL8\r\nL9\r\nL10\r\n");

  TempDir other;
  state.store.lastImportedPath.clear();  // before any import: number and "_" alone
  host.setGbkText("编辑框36", other.path());
  run("2");
  EXPECT_EQ(listFolder(other.path()), (std::vector<std::string>{"1_", "2_"}));
}

// One part is open at a time, so the number of parts is not bounded by the open-file limit.
TEST_F(SplitExportTest, ManyPartsNeedOnlyOneOpenFile) {
  std::vector<std::string> lines = numbered("n", 1, 64);
  state.store.workingLines = makeLines(lines);
  const auto open = std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                  std::filesystem::directory_iterator());
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = rlim_t(open + 6);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  run("64");
  setrlimit(RLIMIT_NOFILE, &saved);

  EXPECT_EQ(host.lastMessage(), "导出完毕！");
  ASSERT_EQ(listFolder(dir.path()).size(), 64u);
  EXPECT_EQ(part(64), "n64\r\n");
}

TEST_F(SplitExportTest, AFolderThatIsAFileIsReported) {
  writeFile(dir.file("plain"), "x");
  host.setGbkText("编辑框36", dir.file("plain"));
  run("2");
  EXPECT_EQ(host.lastMessage().rfind("注意：无法写入文件：" + dir.file("plain") + "/1_list.txt\n", 0), 0u)
      << host.lastMessage();
  EXPECT_EQ(host.calls("showMessage error").size(), 1u);
  EXPECT_EQ(readFile(dir.file("plain")), "x");
}

// Makes the nth call of one system call fail with the given error.
enum class Failing { Mkstemp, Write, Sync, Rename };
Failing failing;
int failAt = 0;
int callsSeen = 0;
int failError = 0;

bool failsNow() { return ++callsSeen == failAt; }

class SysCallFailure {
 public:
  SysCallFailure(Failing which, int nth, int error) {
    failing = which;
    failAt = nth;
    callsSeen = 0;
    failError = error;
    auto& calls = platform::sysCalls();
    switch (which) {
      case Failing::Mkstemp:
        calls.mkstemp = [](char* pattern) {
          if (failsNow()) return errno = failError, -1;
          return platform::realSysCalls().mkstemp(pattern);
        };
        break;
      case Failing::Write:
        calls.write = [](int fd, const void* buffer, size_t size) -> ssize_t {
          if (failsNow()) return errno = failError, -1;
          return platform::realSysCalls().write(fd, buffer, size);
        };
        break;
      case Failing::Sync:
        calls.fdatasync = [](int fd) {
          if (failsNow()) return errno = failError, -1;
          return platform::realSysCalls().fdatasync(fd);
        };
        break;
      case Failing::Rename:
        calls.rename = [](const char* from, const char* to) {
          if (failsNow()) return errno = failError, -1;
          return platform::realSysCalls().rename(from, to);
        };
        break;
    }
  }
  ~SysCallFailure() { platform::sysCalls() = platform::realSysCalls(); }
};

TEST_F(SplitExportTest, AFailingPartLeavesEveryExistingFileAsItWas) {
  struct Case {
    const char* name;
    Failing which;
    int nth;
    int error;
    int failingPart;
  };
  for (const Case& c : {Case{"cannot create part 2", Failing::Mkstemp, 2, EACCES, 2},
                        Case{"disk full in part 3", Failing::Write, 3, ENOSPC, 3},
                        Case{"sync of part 1 fails", Failing::Sync, 1, EIO, 1},
                        Case{"first rename fails", Failing::Rename, 1, EACCES, 1}}) {
    SCOPED_TRACE(c.name);
    TempDir out;
    for (int i = 1; i <= 3; ++i) writeFile(out.file(std::to_string(i) + "_list.txt"), "old " + std::to_string(i));
    host.setGbkText("编辑框36", out.path());
    host.clearCalls();
    {
      SysCallFailure failure(c.which, c.nth, c.error);
      run("3");
    }
    const std::string path = out.path() + "/" + std::to_string(c.failingPart) + "_list.txt";
    EXPECT_EQ(host.messages(), std::vector<std::string>{"注意：无法写入文件：" + path + "\n" +
                                                        std::strerror(c.error)});
    EXPECT_EQ(host.calls("showMessage error").size(), 1u);
    EXPECT_EQ(host.calls().back().rfind("showMessage", 0), 0u);  // controls enabled before it
    // No temporary file is left and no old file was touched.
    EXPECT_EQ(listFolder(out.path()), (std::vector<std::string>{"1_list.txt", "2_list.txt", "3_list.txt"}));
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(readFile(out.file(std::to_string(i) + "_list.txt")), "old " + std::to_string(i));
    }
  }
}

}  // namespace
}  // namespace quorvan
