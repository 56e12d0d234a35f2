#include "ops/subtract_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;
using testing::TempDir;
using testing::writeFile;

using Lines = std::vector<std::string>;

class SubtractJob : public ::testing::Test {
 protected:
  // Writes the comparison file and points both panels' path boxes at it.
  std::string compareWith(std::string_view bytes) {
    std::string path = dir.file("compare.txt");
    writeFile(path, bytes);
    usePath(path);
    return path;
  }
  void usePath(const std::string& path) {
    host.setGbkText("编辑框26", path);
    host.setGbkText("编辑框27", path);
  }
  void byColumn(const char* delimiter, const char* source, const char* compare) {
    host.setText("编辑框1", delimiter);
    host.setText("编辑框28", source);
    host.setText("编辑框29", compare);
  }
  void start(const Lines& lines) {
    state.store.workingLines = makeLines(lines);
    state.store.removedLines = makeLines({"old"});
    host.clearCalls();
  }
  void runWhole(const Lines& lines) {
    start(lines);
    Job job(state, host);
    SubtractFile(job);
  }
  void runByColumn(const Lines& lines) {
    start(lines);
    Job job(state, host);
    SubtractFileByColumn(job);
  }
  Lines kept() const { return linesOf(state.store.workingLines); }
  Lines removed() const { return linesOf(state.store.removedLines); }
  void expectWorkListsEmpty() const {
    EXPECT_TRUE(state.compareList.empty());
    EXPECT_TRUE(state.sourceKeys.empty());
    EXPECT_TRUE(state.sort.pivot.empty());
  }

  TempDir dir;
  EngineState state;
  RecordingHost host;
};

TEST_F(SubtractJob, DuplicatesOnEitherSideAndSortedResult) {
  compareWith("b\r\nd\r\nd\r\nd\r\nzz\r\n");
  runWhole({"d", "c", "b", "a", "b", "e"});
  EXPECT_EQ(kept(), (Lines{"a", "c", "e"}));
  EXPECT_EQ(removed(), (Lines{"b", "b", "d"}));
  EXPECT_EQ(host.lastMessage(), "处理完成！被剔除的数据行数：3");
  EXPECT_EQ(host.calls("showMessage").back().rfind("showMessage info", 0), 0u);
  EXPECT_EQ(state.store.progress(), 100);
  expectWorkListsEmpty();
}

TEST_F(SubtractJob, MatchIsByteForByte) {
  compareWith("Abc\r\nabc \r\n\xD6\xD0\r\n");
  runWhole({"abc", "abc ", "ABC", "\xD6\xD0", ""});
  // The empty working line never matches and sorts to the front.
  EXPECT_EQ(kept(), (Lines{"", "ABC", "abc"}));
  EXPECT_EQ(removed(), (Lines{"abc ", "\xD6\xD0"}));
}

TEST_F(SubtractJob, EmptyComparisonFilesRemoveNothingButSort) {
  for (const char* bytes : {"", "\r\n\r\n\n"}) {
    compareWith(bytes);
    runWhole({"c", "a", "b"});
    EXPECT_EQ(kept(), (Lines{"a", "b", "c"}));
    EXPECT_TRUE(removed().empty());
    EXPECT_EQ(host.lastMessage(), "处理完成！被剔除的数据行数：0");
  }
}

TEST_F(SubtractJob, ComparisonFileIsReadToItsTrueEnd) {
  // LF only, CR LF and LF mixed, and a last line without terminator: every line counts.
  for (const char* bytes : {"a\nb\nc\nd\n", "a\r\nb\nc\r\nd", "\n\na\nb\nc\nd"}) {
    SCOPED_TRACE(bytes);
    compareWith(bytes);
    runWhole({"d", "c", "b", "a", "e"});
    EXPECT_EQ(kept(), (Lines{"e"}));
    EXPECT_EQ(removed(), (Lines{"a", "b", "c", "d"}));
  }
}

TEST_F(SubtractJob, DataEndsAtNulAndTheMessageSaysSo) {
  compareWith(std::string("a\r\nb\0c\r\n", 8));
  runWhole({"c", "b", "a"});
  EXPECT_EQ(kept(), (Lines{"c"}));
  EXPECT_EQ(removed(), (Lines{"a", "b"}));
  EXPECT_EQ(host.lastMessage().rfind("处理完成！被剔除的数据行数：2\n", 0), 0u);
  EXPECT_NE(host.lastMessage().find("NUL"), std::string::npos);
}

TEST_F(SubtractJob, MissingFileEndsSilentlyOrIsRefused) {
  byColumn(",", "1", "1");
  for (const std::string& path : {std::string(), dir.file("none.txt")}) {
    SCOPED_TRACE(path);
    usePath(path);
    runWhole({"b", "a"});
    EXPECT_EQ(kept(), (Lines{"b", "a"}));
    EXPECT_EQ(removed(), (Lines{"old"}));
    EXPECT_TRUE(host.messages().empty());
    EXPECT_TRUE(host.calls("clearItems").empty());
    EXPECT_TRUE(host.calls("setItemCount").empty());
    EXPECT_EQ(host.calls("setEnabled").size(), 10u);

    runByColumn({"b", "a"});
    EXPECT_EQ(kept(), (Lines{"b", "a"}));
    EXPECT_EQ(removed(), (Lines{"old"}));
    EXPECT_EQ(host.calls("showMessage"),
              (Lines{"showMessage error 注意：没有分隔符或列位置错误！"}));
    EXPECT_TRUE(host.calls("clearItems").empty());
  }
}

TEST_F(SubtractJob, UnreadableComparisonFileIsAnErrorAndChangesNothing) {
  std::vector<std::string> paths = {dir.path()};  // a folder
  std::string utf16 = dir.file("utf16.txt");
  writeFile(utf16, std::string("\xFF\xFE"
                               "a\0\r\0\n\0",
                               8));
  paths.push_back(utf16);
  if (!testing::runningAsRoot()) {
    std::string locked = dir.file("locked.txt");
    writeFile(locked, "a\r\n");
    chmod(locked.c_str(), 0);
    paths.push_back(locked);
  }
  byColumn(",", "1", "1");
  for (const auto& path : paths) {
    SCOPED_TRACE(path);
    usePath(path);
    for (bool column : {false, true}) {
      column ? runByColumn({"b", "a"}) : runWhole({"b", "a"});
      EXPECT_EQ(kept(), (Lines{"b", "a"}));  // not even sorted
      EXPECT_EQ(removed(), (Lines{"old"}));
      ASSERT_EQ(host.calls("showMessage").size(), 1u);
      EXPECT_EQ(
          host.calls("showMessage")[0].rfind("showMessage error 注意：无法读取文件：" + path, 0),
          0u);
      EXPECT_EQ(host.calls("setItemCount"), (Lines{"setItemCount 2"}));
      expectWorkListsEmpty();
    }
  }
}

TEST_F(SubtractJob, ByColumnExample) {
  compareWith("13,a\r\n15,b\r\n");
  byColumn(",", "2", "1");
  runByColumn({"y,14", "x,13"});
  EXPECT_EQ(kept(), (Lines{"y,14"}));
  EXPECT_EQ(removed(), (Lines{"x,13"}));
  EXPECT_EQ(host.lastMessage(), "处理完成！被剔除的数据行数：1");
  expectWorkListsEmpty();
}

TEST_F(SubtractJob, ByColumnKeysStayWithTheirLines) {
  // Comparison lines without column 2 (or with it empty) take no part.
  compareWith("x,3\r\n5\r\ny,\r\nz,1\n\r\nw,1\n");
  byColumn(",", "3", "2");
  runByColumn({"e,,5", "d,,3", "c,,1", "b", "a,,4", "f,,3", "g,,", "h,,2"});
  // Sorted by the source key; lines without it have the empty key, stay, and come first. Lines
  // with equal keys come in the engine's order, so those pairs are compared as sets.
  Lines stay = kept();
  ASSERT_EQ(stay.size(), 5u);
  std::sort(stay.begin(), stay.begin() + 2);
  EXPECT_EQ(stay, (Lines{"b", "g,,", "h,,2", "a,,4", "e,,5"}));
  Lines gone = removed();
  ASSERT_EQ(gone.size(), 3u);
  std::sort(gone.begin() + 1, gone.end());
  EXPECT_EQ(gone, (Lines{"c,,1", "d,,3", "f,,3"}));
}

TEST_F(SubtractJob, ByColumnRefusesBadSettings) {
  std::string path = compareWith("a\r\n");
  struct Settings {
    const char* delimiter;
    const char* source;
    const char* compare;
  };
  for (const Settings& s : std::vector<Settings>{{"", "1", "1"}, {",", "0", "1"}, {",", "1", ""}}) {
    byColumn(s.delimiter, s.source, s.compare);
    runByColumn({"b", "a"});
    EXPECT_EQ(kept(), (Lines{"b", "a"}));
    EXPECT_EQ(removed(), (Lines{"old"}));
    EXPECT_EQ(host.calls("showMessage"),
              (Lines{"showMessage error 注意：没有分隔符或列位置错误！"}));
    EXPECT_TRUE(host.calls("clearItems").empty());
  }
}

TEST_F(SubtractJob, RemovedAndKeptLinesShareBytes) {
  compareWith("a\r\n");
  state.store.workingLines = makeLines({"b", "a"});
  const char* a = state.store.workingLines.at(2).data();
  const char* b = state.store.workingLines.at(1).data();
  Job job(state, host);
  SubtractFile(job);
  EXPECT_EQ(state.store.removedLines.at(1).data(), a);
  EXPECT_EQ(state.store.workingLines.at(1).data(), b);
}

TEST(ReadCompareFile, StoresEntriesAndScalesProgress) {
  TempDir dir;
  std::string path = dir.file("c.txt");
  writeFile(path, "k1,v1\r\n\r\nk2\r\nk3,v3\r\n,v4\r\n");
  LineList entries = makeLines({"stale"});
  std::atomic<int32_t> progress{0};
  ReadOutcome outcome = readCompareFile(path, entries, {}, 0, 30, progress, 3);
  EXPECT_EQ(outcome.kind, ReadOutcome::Kind::Complete);
  EXPECT_EQ(linesOf(entries), (Lines{"k1,v1", "k2", "k3,v3", ",v4"}));
  EXPECT_EQ(progress.load(), 30);

  outcome = readCompareFile(path, entries, ",", 2, 20, progress, 3);
  EXPECT_EQ(outcome.lines, 3);
  EXPECT_EQ(linesOf(entries), (Lines{"v1", "v3", "v4"}));
  EXPECT_EQ(progress.load(), 20);
}

TEST(SourceKeysCallback, CarriesTheLinesAlong) {
  LineList keys = makeLines({"b", "a", "c", "a", ""});
  LineList lines = makeLines({"b1", "a1", "c1", "a2", "e"});
  KeyedLineSort sort{keys, lines, {}, {}};
  shellSort(
      keys.count(),
      [&sort](SortRequest request, int32_t index, int32_t source) {
        return sourceKeysCallback(sort, request, index, source);
      },
      false);
  EXPECT_EQ(linesOf(keys), (Lines{"", "a", "a", "b", "c"}));
  EXPECT_EQ(linesOf(lines)[0], "e");
  for (int32_t i = 2; i <= 5; ++i) EXPECT_EQ(lines.at(i).substr(0, 1), keys.at(i));
  EXPECT_TRUE(sort.keyPivot.empty());
  EXPECT_TRUE(sort.linePivot.empty());
}

}  // namespace
}  // namespace quorvan
