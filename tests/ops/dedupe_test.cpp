#include "ops/dedupe.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <fstream>
#include <string>
#include <vector>

#include "core/columns.h"
#include "core/duplicate_table.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;
using Lines = std::vector<std::string>;

constexpr std::string_view kColumnBox = "编辑框19";
const std::string kDone = "剔除完成！重复数：";

struct Outcome {
  Lines kept;
  Lines removed;
  std::string message;
};

Outcome run(EngineState& state, RecordingHost& host, void (*body)(Job&)) {
  Job job(state, host);
  body(job);
  return {linesOf(state.store.workingLines), linesOf(state.store.removedLines), host.lastMessage()};
}

Outcome removeDuplicates(const Lines& lines) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  state.store.removedLines = makeLines({"left from an earlier job"});
  RecordingHost host;
  return run(state, host, RemoveDuplicates);
}

void expectOutcome(const Outcome& got, const Outcome& want) {
  EXPECT_EQ(got.kept, want.kept);
  EXPECT_EQ(got.removed, want.removed);
  EXPECT_EQ(got.message, want.message);
}

TEST(RemoveDuplicates, KeepsFirstOccurrencesAndRemovesLaterOnesInOrder) {
  const struct {
    Lines lines;
    Outcome want;
  } cases[] = {
      {{"a", "b", "a", "c", "b"}, {{"a", "b", "c"}, {"a", "b"}, kDone + "2"}},
      {{"b", "a", "b", "b", "a"}, {{"b", "a"}, {"b", "b", "a"}, kDone + "3"}},
      // Exact bytes: case and a trailing space make different lines.
      {{"A", "a", "a ", "a", "A", "a "}, {{"A", "a", "a "}, {"a", "A", "a "}, kDone + "3"}},
      {{"x", "y"}, {{"x", "y"}, {}, kDone + "0"}},
      {{}, {{}, {}, kDone + "0"}},
      // Empty lines are nobody's duplicate: they stay where they are and are not counted.
      {{"", "a", "", "a", ""}, {{"", "a", "", ""}, {"a"}, kDone + "1"}},
      // A CRC-32 of 0 ("aco56PH"), and two texts with the same CRC-32 ("abc", "k{Fjd").
      {{"aco56PH", "abc", "k{Fjd", "aco56PH", "k{Fjd", "abc"},
       {{"aco56PH", "abc", "k{Fjd"}, {"aco56PH", "k{Fjd", "abc"}, kDone + "3"}},
      {{"\xD6\xD0", "\xD6\xD0", "\xD6\xD1"},
       {{"\xD6\xD0", "\xD6\xD1"}, {"\xD6\xD0"}, "剔除完成！重复数：1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.lines));
    expectOutcome(removeDuplicates(c.lines), c.want);
  }
}

TEST(RemoveDuplicates, FrameThenMessageAndLinesShareTheirBytes) {
  EngineState state;
  state.store.workingLines = makeLines({"a", "b", "a"});
  std::vector<const char*> addresses;
  for (TextView line : state.store.workingLines) addresses.push_back(line.data());
  RecordingHost host;
  Job job(state, host);
  RemoveDuplicates(job);

  EXPECT_EQ(
      host.calls(),
      (std::vector<std::string>{
          "setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0", "setEnabled 分组框1 0",
          "setEnabled 选择夹2 0", "setProgressBar 0", "clearItems", "setProgressBar 100",
          "setItemCount 2", "setEnabled 按钮1 1", "setEnabled 按钮2 1", "setEnabled 按钮3 1",
          "setEnabled 分组框1 1", "setEnabled 选择夹2 1", "showMessage info 剔除完成！重复数：1"}));
  EXPECT_EQ(state.store.progress(), 100);
  EXPECT_EQ(state.store.workingLines.at(1).data(), addresses[0]);
  EXPECT_EQ(state.store.workingLines.at(2).data(), addresses[1]);
  EXPECT_EQ(state.store.removedLines.at(1).data(), addresses[2]);
}

// Distinct texts that all fall into one bucket of the duplicate table, "abc" among them.
Lines textsSharingTheBucketOfAbc(size_t wanted) {
  const int32_t bucket = bucketOf(crc32("abc"));
  Lines found{"abc"};
  char digits[16];
  for (uint32_t i = 0; found.size() < wanted; ++i) {
    auto end = std::to_chars(digits, digits + sizeof digits, i).ptr;
    TextView text(digits, size_t(end - digits));
    if (bucketOf(crc32(text)) == bucket) found.emplace_back(text);
  }
  return found;
}

TEST(RemoveDuplicates, SameResultWhenABucketOverflowsAndOnASecondRun) {
  const Lines shared = textsSharingTheBucketOfAbc(75);
  // Every text again after the first ones, interleaved with lines of other buckets.
  Lines lines = shared;
  Lines kept = shared;
  Lines removed;
  for (size_t i = shared.size(); i-- > 0;) {
    lines.push_back(shared[i]);
    removed.push_back(shared[i]);
    lines.push_back("other " + std::to_string(i));
    kept.push_back("other " + std::to_string(i));
  }
  EngineState state;
  state.store.workingLines = makeLines(lines);
  RecordingHost host;
  expectOutcome(run(state, host, RemoveDuplicates), {kept, removed, kDone + "75"});
  EXPECT_EQ(state.duplicates.capacity(bucketOf(crc32("abc"))), 120);

  // Nothing is left to remove; the removed lines of the first run are replaced.
  expectOutcome(run(state, host, RemoveDuplicates), {kept, {}, kDone + "0"});
}

struct ByColumnCase {
  std::string delimiter;
  std::string column;
  Lines lines;
  Outcome want;
};

Outcome removeByColumn(const ByColumnCase& c, RecordingHost& host) {
  EngineState state;
  state.store.workingLines = makeLines(c.lines);
  state.store.removedLines = makeLines({"left from an earlier job"});
  host.setGbkText(kDelimiterBoxName, c.delimiter);
  host.setText(kColumnBox, c.column);
  return run(state, host, RemoveDuplicatesByColumn);
}

TEST(RemoveDuplicatesByColumn, ComparesTheChosenColumnAndMovesWholeLines) {
  const ByColumnCase cases[] = {
      {",", "2", {"1,x", "2,y", "3,x"}, {{"1,x", "2,y"}, {"3,x"}, kDone + "1"}},
      {",", "2", {"a,1", "b,1", "c,1,z", "d,2"}, {{"a,1", "d,2"}, {"b,1", "c,1,z"}, kDone + "2"}},
      {",", "1", {"A,1", "a,1", "a ,1", "a,2"}, {{"A,1", "a,1", "a ,1"}, {"a,2"}, kDone + "1"}},
      // Lines without the column, or with it empty, stay and are not counted.
      {",",
       "2",
       {"a", "b", "c,1", "d,1", "e,,f", "g,,h"},
       {{"a", "b", "c,1", "e,,f", "g,,h"}, {"d,1"}, kDone + "1"}},
      {",", "9", {"a,1", "a,1"}, {{"a,1", "a,1"}, {}, kDone + "0"}},
      {"||", "2", {"1||x|y", "2||x|y", "3||x"}, {{"1||x|y", "3||x"}, {"2||x|y"}, kDone + "1"}},
      {",", " 2", {"1,x", "2,x"}, {{"1,x"}, {"2,x"}, kDone + "1"}},  // read by toInt
      {",", "1", {}, {{}, {}, kDone + "0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("column '" + c.column + "' " + ::testing::PrintToString(c.lines));
    RecordingHost host;
    expectOutcome(removeByColumn(c, host), c.want);
  }
}

TEST(RemoveDuplicatesByColumn, RefusesWithoutDelimiterOrColumnAndChangesNothing) {
  const Lines lines{"a,1", "b,1"};
  const Outcome unchanged{lines, {"left from an earlier job"}, "注意：没有分隔符或列位置错误！"};
  const ByColumnCase cases[] = {
      {"", "2", lines, unchanged},   {",", "", lines, unchanged},   {",", "0", lines, unchanged},
      {",", "-1", lines, unchanged}, {",", "x2", lines, unchanged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("delimiter '" + c.delimiter + "' column '" + c.column + "'");
    RecordingHost host;
    expectOutcome(removeByColumn(c, host), c.want);
    EXPECT_EQ(host.calls(),
              (std::vector<std::string>{
                  "setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                  "setEnabled 分组框1 0", "setEnabled 选择夹2 0", "setProgressBar 0", "clearItems",
                  "setProgressBar 100", "setItemCount 2", "setEnabled 按钮1 1",
                  "setEnabled 按钮2 1", "setEnabled 按钮3 1", "setEnabled 分组框1 1",
                  "setEnabled 选择夹2 1", "showMessage error 注意：没有分隔符或列位置错误！"}));
  }
}

// Address-space limits do not mix with the sanitizers' shadow memory.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

size_t addressSpaceInUse() {
  size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * size_t(sysconf(_SC_PAGESIZE));
}

// Runs the job with no room left for the duplicate table; true when nothing changed and the
// user was told.
bool runsOutOfMemorySafely(JobBody body) {
  EngineState state;
  Lines lines;
  for (int i = 0; i < 20000; ++i) lines.push_back(std::to_string(i % 15000) + ",x");
  state.store.workingLines = makeLines(lines);
  state.store.removedLines = makeLines({"kept"});
  RecordingHost host;
  host.setText(kDelimiterBoxName, ",");
  host.setText(kColumnBox, "1");
  host.showMessage(gbk("warm-up"), MessageIcon::Information);  // opens the converter
  host.clearCalls();
  // Room for small allocations, none for the duplicate table's first block.
  rlimit limit{addressSpaceInUse() + (4u << 20), RLIM_INFINITY};
  if (setrlimit(RLIMIT_AS, &limit) != 0) return false;
  Job job(state, host);
  body(job);
  return linesOf(state.store.workingLines) == lines &&
         linesOf(state.store.removedLines) == Lines{"kept"} &&
         host.lastMessage() == "注意：内存不足，数据未改变！" &&
         host.calls("setEnabled").size() == 10;
}

TEST(RemoveDuplicatesDeathTest, OutOfMemoryChangesNothing) {
  if (kSanitized) GTEST_SKIP() << "address-space limit under a sanitizer";
  EXPECT_EXIT(std::_Exit(runsOutOfMemorySafely(RemoveDuplicates) ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(std::_Exit(runsOutOfMemorySafely(RemoveDuplicatesByColumn) ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quorvan
