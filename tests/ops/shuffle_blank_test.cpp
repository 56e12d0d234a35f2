#include "ops/shuffle_blank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/engine_state.h"
#include "core/random.h"
#include "tests/support/files.h"
#include "tests/support/recording_host.h"

namespace quorvan {
namespace {

using testing::linesOf;
using testing::makeLines;
using testing::RecordingHost;

std::vector<std::string> shuffled(const std::vector<std::string>& lines) {
  EngineState state;
  state.store.workingLines = makeLines(lines);
  RecordingHost host;
  Job job(state, host);
  ShuffleLines(job);
  EXPECT_EQ(state.store.progress(), 100);
  EXPECT_EQ(host.calls("setItemCount"), (std::vector<std::string>{"setItemCount " + std::to_string(lines.size())}));
  EXPECT_TRUE(host.messages().empty());
  return linesOf(state.store.workingLines);
}

TEST(ShuffleLines, KeepsEveryLineAndTwoQuickRunsDiffer) {
  std::vector<std::string> lines;
  for (int i = 0; i < 500; ++i) lines.push_back("line" + std::to_string(i % 400));  // duplicates
  lines.push_back("");
  lines.push_back("");

  std::vector<std::string> first = shuffled(lines);
  std::vector<std::string> second = shuffled(lines);
  EXPECT_NE(first, second);
  EXPECT_NE(first, lines);
  for (auto* result : {&first, &second}) {
    std::sort(result->begin(), result->end());
  }
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(first, lines);
  EXPECT_EQ(second, lines);
}

TEST(ShuffleLines, EmptyAndSingleLineListsStayAsTheyAre) {
  EXPECT_EQ(shuffled({}), std::vector<std::string>{});
  EXPECT_EQ(shuffled({"only"}), std::vector<std::string>{"only"});
}

// On a long list the lines must really move: a partner drawn from the whole list leaves a line
// about a third of the list away from where it was; partners confined to the first 32,768
// positions leave that mean near 62,000.
TEST(ShuffleLines, PartnersComeFromTheWholeList) {
  constexpr int kCount = 1'000'000;
  EngineState state;
  LineList& list = state.store.workingLines;
  list.reserve(kCount);
  for (int i = 1; i <= kCount; ++i) list.append(std::to_string(i));
  RecordingHost host;
  Job job(state, host);
  ShuffleLines(job);

  ASSERT_EQ(list.count(), kCount);
  std::vector<bool> seen(kCount + 1, false);
  double distance = 0;
  for (int position = 1; position <= kCount; ++position) {
    const int original = std::atoi(std::string(list.at(position)).c_str());
    ASSERT_GE(original, 1);
    ASSERT_LE(original, kCount);
    ASSERT_FALSE(seen[size_t(original)]);
    seen[size_t(original)] = true;
    distance += std::abs(position - original);
  }
  EXPECT_GT(distance / kCount, 250'000.0);
}

TEST(ShuffleLines, DrawPositionCoversTheWholeRange) {
  setRandomState(12345);
  constexpr int32_t kCount = 2'000'000'000;
  int32_t highest = 0;
  for (int i = 0; i < 1000; ++i) {
    int32_t r = drawPosition(kCount);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, kCount);
    highest = std::max(highest, r);
  }
  EXPECT_GT(highest, kCount / 10 * 9);
  EXPECT_EQ(drawPosition(1), 1);
}

struct BlankCase {
  const char* count;
  int lines;
  std::vector<std::string> expected;
};

TEST(AppendBlankLines, ChangesTheCountOnTheCallingThreadWithoutAFrame) {
  const std::vector<std::string> five = {"1", "2", "3", "4", "5"};
  for (const BlankCase& c : {
           BlankCase{"3", 5, {"1", "2", "3", "4", "5", "", "", ""}},
           BlankCase{"-2", 5, {"1", "2", "3"}},
           BlankCase{"-5", 5, {}},
           BlankCase{"0", 5, five},
           BlankCase{"abc", 5, five},
           // More lines to drop than there are: nothing is discarded.
           BlankCase{"-6", 5, five},
           BlankCase{"-2147483648", 5, five},
           BlankCase{"2", 0, {"", ""}},
       }) {
    EngineState state;
    state.store.workingLines = makeLines(std::vector<std::string>(five.begin(), five.begin() + c.lines));
    state.store.removedLines = makeLines({"kept"});
    state.store.setProgress(42);
    RecordingHost host;
    host.setText("编辑框31", c.count);
    Job job(state, host, FrameKind::None);
    AppendBlankLines(job);
    EXPECT_EQ(linesOf(state.store.workingLines), c.expected) << c.count;
    EXPECT_EQ(host.calls(), (std::vector<std::string>{"clearItems", "setItemCount " + std::to_string(c.expected.size())}))
        << c.count;
    EXPECT_EQ(linesOf(state.store.removedLines), std::vector<std::string>{"kept"});
    EXPECT_EQ(state.store.progress(), 42);
  }
}

TEST(AppendBlankLines, EmptyBoxDoesNothingAtAll) {
  EngineState state;
  state.store.workingLines = makeLines({"a"});
  RecordingHost host;
  Job job(state, host, FrameKind::None);
  AppendBlankLines(job);
  EXPECT_TRUE(host.calls().empty());
  EXPECT_EQ(linesOf(state.store.workingLines), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace quorvan
