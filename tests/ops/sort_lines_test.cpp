#include "ops/sort_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;
using Lines = std::vector<std::string>;

Lines sortedByJob(const Lines& lines, bool descending, RecordingHost& host) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  host.setChecked(kDescendingBoxName, descending);
  Job job(state, host);
  SortLines(job);
  EXPECT_TRUE(state.sort.pivot.empty());
  EXPECT_EQ(state.store.progress(), 100);
  return linesOf(state.store.workingLines);
}

TEST(SortLines, OpensAndClosesTheFrameWithoutMessage) {
  RecordingHost host;
  EXPECT_EQ(sortedByJob({"b", "a", "c"}, false, host), (Lines{"a", "b", "c"}));
  EXPECT_EQ(host.calls(),
            (std::vector<std::string>{
                "setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                "setEnabled 分组框1 0", "setEnabled 选择夹2 0", "setProgressBar 0", "clearItems",
                "setProgressBar 100", "setItemCount 3", "setEnabled 按钮1 1", "setEnabled 按钮2 1",
                "setEnabled 按钮3 1", "setEnabled 分组框1 1", "setEnabled 选择夹2 1"}));
}

TEST(SortLines, OrdersByBytesAndDescendingIsTheExactReverse) {
  const struct {
    Lines lines;
    Lines ascending;
  } cases[] = {
      {{"b", "a", "c", "a"}, {"a", "a", "b", "c"}},
      {{"9", "10", "A", "a", "", "\xD6\xD0"}, {"", "10", "9", "A", "a", "\xD6\xD0"}},
      {{"a ", "a", "ab", "a", "a "}, {"a", "a", "a ", "a ", "ab"}},
      {{}, {}},
      {{"x"}, {"x"}},
  };
  for (const auto& c : cases) {
    RecordingHost host;
    EXPECT_EQ(sortedByJob(c.lines, false, host), c.ascending);
    Lines descending(c.ascending.rbegin(), c.ascending.rend());
    EXPECT_EQ(sortedByJob(c.lines, true, host), descending);
    EXPECT_TRUE(host.messages().empty());
  }
}

TEST(SortLinesCallback, TwoLinesMakeFourCallsAndProgressSix) {
  EngineState state;
  state.store.workingLines = makeLines({"b", "a"});
  state.sort.count = 2;
  state.sort.calls = 0;
  std::vector<std::string> calls;
  shellSort(
      2,
      [&](SortRequest request, int32_t index, int32_t source) {
        const char* names[] = {"move ", "save ", "store ", "compare "};
        std::string call = names[int(request)];
        if (request == SortRequest::MoveElement) call += std::to_string(source) + ">";
        calls.push_back(call + std::to_string(index));
        return sortLinesCallback(state, request, index, source);
      },
      false);
  EXPECT_EQ(calls, (std::vector<std::string>{"save 2", "compare 1", "move 1>2", "store 1"}));
  EXPECT_EQ(state.store.progress(), 6);  // ((4 / 30) / 2) x 100
  EXPECT_EQ(linesOf(state.store.workingLines), (Lines{"a", "b"}));
  EXPECT_TRUE(state.sort.pivot.empty());
}

TEST(SortWorkingLines, MovesHandlesOnlyAndKeepsEveryLine) {
  std::mt19937 random(11);
  Lines lines(1000);
  for (auto& line : lines) line = std::to_string(random() % 100000);  // repeats included
  EngineState state;
  state.store.workingLines = makeLines(lines);
  const auto before = state.store.workingLines.handles();
  std::multiset<const char*> addresses;
  for (TextView line : before) addresses.insert(line.data());
  const size_t bytes = state.store.workingLines.arenaBytes();

  sortWorkingLines(state, false);

  Lines expected = lines;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(linesOf(state.store.workingLines), expected);
  std::multiset<const char*> after;
  for (TextView line : state.store.workingLines.handles()) after.insert(line.data());
  EXPECT_EQ(after, addresses) << "a line was copied, lost or doubled";
  EXPECT_EQ(state.store.workingLines.arenaBytes(), bytes);
  EXPECT_TRUE(state.sort.pivot.empty());
  // The progress value is not clamped: on a list this size it passes 100.
  EXPECT_GT(state.store.progress(), 100);
}

}  // namespace
}  // namespace quorvan
