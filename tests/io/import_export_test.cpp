#include "io/import_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/syscalls.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using namespace std::string_literals;
using testing::linesOf;
using testing::makeLines;
using testing::readFile;
using testing::RecordingHost;
using testing::TempDir;
using testing::writeFile;
using Lines = std::vector<std::string>;

struct ImportRun {
  Lines lines;
  std::string message;
};

ImportRun importBytes(const std::string& bytes) {
  TempDir dir;
  writeFile(dir.file("in.txt"), bytes);
  EngineState state;
  RecordingHost host;
  host.answerDialog(dir.file("in.txt"));
  Job job(state, host, FrameKind::File);
  ImportLines(job);
  return {linesOf(state.store.workingLines), host.lastMessage()};
}

TEST(ImportLines, ReadsTheSameLinesWhateverTheLineEnds) {
  const std::pair<std::string, Lines> cases[] = {
      {"a\r\n\r\nb\r\nc\r\n", {"a", "b", "c"}},
      {"a\n\nb\nc\n", {"a", "b", "c"}},
      {"a\r\nb\nc", {"a", "b", "c"}},
      {"  \r\n", {"  "}},
      {"", {}},
      {"\r\n\r\n", {}},
  };
  for (const auto& [bytes, lines] : cases) {
    ImportRun run = importBytes(bytes);
    EXPECT_EQ(run.lines, lines);
    EXPECT_EQ(run.message, "导入完毕，总数：" + std::to_string(lines.size()) + " 行！");
  }
}

TEST(ImportLines, SaysWhenANulOrSubByteEndedTheData) {
  ImportRun run = importBytes("a\r\nb\0c\r\n"s);
  EXPECT_EQ(run.lines, (Lines{"a", "b"}));
  EXPECT_EQ(run.message, "导入完毕，总数：2 行！\n注意：文件在第 5 字节处有结束符（NUL 或 SUB），其后的数据没有读取！");
}

TEST(ImportLines, FollowsTheFileFrameAndRemembersThePath) {
  TempDir dir;
  writeFile(dir.file("in.txt"), "x\r\ny\r\n");
  EngineState state;
  RecordingHost host;
  host.answerDialog(dir.file("in.txt"));
  Job job(state, host, FrameKind::File);
  ImportLines(job);
  EXPECT_EQ(host.calls(), (Lines{"chooseFile open", "clearItems", "setEnabled 按钮1 0",
                                 "setEnabled 按钮2 0", "setEnabled 按钮3 0", "setProgressBar 0",
                                 "setItemCount 2", "setEnabled 按钮1 1", "setEnabled 按钮2 1",
                                 "setEnabled 按钮3 1", "showMessage info 导入完毕，总数：2 行！"}));
  EXPECT_EQ(state.store.lastImportedPath, dir.file("in.txt"));
  EXPECT_EQ(state.store.progress(), 100);
  ASSERT_EQ(host.dialogRequests().size(), 1u);
  EXPECT_EQ(platform::gbkToUtf8(*host.dialogRequests()[0].filter), "文本文件 .txt|*.txt");
}

TEST(ImportLines, ASecondImportReplacesTheFirst) {
  TempDir dir;
  writeFile(dir.file("a.txt"), "1\r\n2\r\n");
  writeFile(dir.file("b.txt"), "3\r\n");
  EngineState state;
  RecordingHost host;
  host.answerDialog(dir.file("a.txt"));
  host.answerDialog(dir.file("b.txt"));
  Job first(state, host, FrameKind::File);
  ImportLines(first);
  Job second(state, host, FrameKind::File);
  ImportLines(second);
  EXPECT_EQ(linesOf(state.store.workingLines), Lines{"3"});
}

TEST(ImportLines, AFileThatCannotBeReadChangesNothing) {
  TempDir dir;
  mkfifo(dir.file("fifo").c_str(), 0600);
  writeFile(dir.file("utf16.txt"), "\xFF\xFE" "a\0"s);
  const std::string paths[] = {dir.file("missing.txt"), dir.path(), dir.file("fifo"),
                               dir.file("utf16.txt")};
  for (const auto& path : paths) {
    EngineState state;
    state.store.workingLines = makeLines({"keep"});
    state.store.lastImportedPath = "before.txt";
    RecordingHost host;
    host.answerDialog(path);
    Job job(state, host, FrameKind::File);
    ImportLines(job);
    EXPECT_EQ(linesOf(state.store.workingLines), Lines{"keep"}) << path;
    EXPECT_EQ(state.store.lastImportedPath, "before.txt");
    EXPECT_EQ(host.calls("showMessage error 注意：无法读取文件：" + path).size(), 1u) << host.lastMessage();
    EXPECT_EQ(host.calls("setItemCount"), Lines{"setItemCount 1"});
    EXPECT_FALSE(platform::fileExists(dir.file("missing.txt")));  // never created
  }
}

TEST(ImportLines, AReadErrorInTheMiddleKeepsTheOldLines) {
  TempDir dir;
  writeFile(dir.file("in.txt"), std::string(20 << 20, 'a') + "\r\n");  // several blocks
  EngineState state;
  state.store.workingLines = makeLines({"keep"});
  RecordingHost host;
  host.answerDialog(dir.file("in.txt"));
  static int reads;
  reads = 0;
  platform::sysCalls().read = [](int fd, void* buffer, size_t size) -> ssize_t {
    if (++reads == 2) {
      errno = EIO;
      return -1;
    }
    return platform::realSysCalls().read(fd, buffer, size);
  };
  Job job(state, host, FrameKind::File);
  ImportLines(job);
  platform::sysCalls() = platform::realSysCalls();
  EXPECT_EQ(linesOf(state.store.workingLines), Lines{"keep"});
  EXPECT_EQ(host.calls("showMessage error 注意：无法读取文件：").size(), 1u);
}

TEST(ImportLines, ACancelledDialogDoesNothing) {
  EngineState state;
  state.store.workingLines = makeLines({"keep"});
  RecordingHost host;
  Job job(state, host, FrameKind::File);
  ImportLines(job);
  EXPECT_EQ(host.calls(), Lines{"chooseFile open"});
  EXPECT_EQ(state.store.workingLines.count(), 1);
}

TEST(ExportLines, WritesEveryLineWithCrLfAndReplacesTheFile) {
  TempDir dir;
  writeFile(dir.file("out.txt"), "old content that is longer\r\n");
  EngineState state;
  state.store.workingLines = makeLines({"a", "", "\xD6\xD0"});
  RecordingHost host;
  host.answerDialog(dir.file("out.txt"));
  Job job(state, host, FrameKind::File);
  ExportLines(job);
  EXPECT_EQ(readFile(dir.file("out.txt")), "a\r\n\r\n\xD6\xD0\r\n");
  EXPECT_EQ(host.lastMessage(), "导出完毕！");
  ASSERT_EQ(host.dialogRequests().size(), 1u);
  EXPECT_TRUE(host.dialogRequests()[0].save);
  EXPECT_EQ(host.dialogRequests()[0].defaultExtension, "txt");
  EXPECT_FALSE(host.dialogRequests()[0].filter.has_value());
  EXPECT_EQ(state.store.workingLines.count(), 3);
  EXPECT_TRUE(host.calls("clearItems").empty());
}

// No fixed buffer anywhere: a line of 100 MB comes in and goes out whole.
TEST(ImportLines, AVeryLongLineIsReadAndWrittenWhole) {
  TempDir dir;
  const std::string line(100 << 20, 'a');
  writeFile(dir.file("in.txt"), "x\r\n" + line + "\r\ny");
  EngineState state;
  RecordingHost host;
  host.answerDialog(dir.file("in.txt"));
  host.answerDialog(dir.file("out.txt"));
  Job in(state, host, FrameKind::File);
  ImportLines(in);
  ASSERT_EQ(state.store.workingLines.count(), 3);
  EXPECT_EQ(state.store.workingLines.at(2).size(), line.size());
  Job out(state, host, FrameKind::File);
  ExportLines(out);
  EXPECT_EQ(readFile(dir.file("out.txt")), "x\r\n" + line + "\r\ny\r\n");
}

// The lines are in memory, so writing over the file they came from is safe.
TEST(ExportLines, OverTheImportedFileIsSafe) {
  TempDir dir;
  writeFile(dir.file("in.txt"), "b\na\r\nc");
  EngineState state;
  RecordingHost host;
  host.answerDialog(dir.file("in.txt"));
  host.answerDialog(dir.file("in.txt"));
  Job in(state, host, FrameKind::File);
  ImportLines(in);
  Job out(state, host, FrameKind::File);
  ExportLines(out);
  EXPECT_EQ(host.lastMessage(), "导出完毕！");
  EXPECT_EQ(readFile(dir.file("in.txt")), "b\r\na\r\nc\r\n");
  EXPECT_EQ(testing::listFolder(dir.path()), Lines{"in.txt"});
}

TEST(ExportLines, WithNoLinesShowsNothingAtAll) {
  EngineState state;
  RecordingHost host;
  Job job(state, host, FrameKind::File);
  ExportLines(job);
  EXPECT_TRUE(host.calls().empty());
}

TEST(ExportLines, AFailedWriteSaysSoAndKeepsTheOldFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("folder.txt"));
  EngineState state;
  state.store.workingLines = makeLines({"a"});
  const std::string targets[] = {dir.file("missing/out.txt"), dir.file("folder.txt")};
  for (const auto& target : targets) {
    RecordingHost host;
    host.answerDialog(target);
    Job job(state, host, FrameKind::File);
    ExportLines(job);
    EXPECT_EQ(host.calls("showMessage error 注意：无法写入文件：" + target).size(), 1u) << host.lastMessage();
  }
  EXPECT_EQ(testing::listFolder(dir.path()), Lines{"folder.txt"});
}

TEST(WriteRemovedLines, WritesATimeNamedFileBesideTheProgram) {
  EngineState state;
  state.store.removedLines = makeLines({"r1", "r2"});
  RecordingHost host;
  Job job(state, host, FrameKind::File);
  WriteRemovedLines(job);
  const std::string prefix = "文件已经写出到程序目录下的 ";
  std::string message = host.lastMessage();
  ASSERT_EQ(message.rfind(prefix, 0), 0u) << message;
  std::string name = message.substr(prefix.size());
  EXPECT_NE(name.find("年"), std::string::npos);
  // The Chinese name appears on disk as readable UTF-8.
  std::string path = *platform::gbkToUtf8(platform::programDirectory()) + "/" + name;
  EXPECT_EQ(readFile(path), "r1\r\nr2\r\n");
  std::filesystem::remove(path);
}

TEST(WriteRemovedLines, WithNoRemovedLinesDoesNothing) {
  EngineState state;
  RecordingHost host;
  Job job(state, host, FrameKind::File);
  WriteRemovedLines(job);
  EXPECT_TRUE(host.calls().empty());
}

}  // namespace
}  // namespace quorvan
