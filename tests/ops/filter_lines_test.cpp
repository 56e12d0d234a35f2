#include "ops/filter_lines.h"

#include <gtest/gtest.h>

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

// 發 is B0 6C: its second byte has the code of "l". 中国 is D6 D0 B9 FA.
constexpr const char* kFa = "\xB0\x6C";
constexpr const char* kZhongGuo = "\xD6\xD0\xB9\xFA";

struct ClassCase {
  std::string value;
  bool digit;
  bool letter;
  bool neither;
};

TEST(FilterByteClasses, JudgeCharactersNotBytes) {
  const std::vector<ClassCase> cases = {
      {"", false, false, false},
      {"abcXYZ", false, true, false},
      {"0123456789", true, false, false},
      {"a1", true, true, false},
      {" ", false, false, true},
      {"a-b", false, true, true},
      {kZhongGuo, false, false, true},
      // The second byte of a double-byte character is never a letter of its own.
      {kFa, false, false, true},
      {std::string(kFa) + "x", false, true, true},
      {std::string(kFa) + "7", true, false, true},
      // A lead byte with nothing after it is a character that is neither.
      {"a\xB0", false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(containsDigit(c.value), c.digit);
    EXPECT_EQ(containsLetter(c.value), c.letter);
    EXPECT_EQ(containsNonAlphanumeric(c.value), c.neither);
  }
}

// One switched-on condition each.
FilterSettings withDigit() {
  FilterSettings s;
  s.removeWithDigit = true;
  return s;
}
FilterSettings withLetter() {
  FilterSettings s;
  s.removeWithLetter = true;
  return s;
}
FilterSettings withNeither() {
  FilterSettings s;
  s.removeWithNonAlphanumeric = true;
  return s;
}
FilterSettings shorterThan(int32_t n) {
  FilterSettings s;
  s.removeShorter = true;
  s.minLength = n;
  return s;
}
FilterSettings longerThan(int32_t n) {
  FilterSettings s;
  s.removeLonger = true;
  s.maxLength = n;
  return s;
}
FilterSettings smallerThan(double x) {
  FilterSettings s;
  s.removeSmaller = true;
  s.minNumber = x;
  return s;
}
FilterSettings largerThan(double x) {
  FilterSettings s;
  s.removeLarger = true;
  s.maxNumber = x;
  return s;
}
FilterSettings without(std::string text) {
  FilterSettings s;
  s.removeWithout = true;
  s.requiredText = std::move(text);
  return s;
}
FilterSettings with(std::string text) {
  FilterSettings s;
  s.removeWith = true;
  s.forbiddenText = std::move(text);
  return s;
}
FilterSettings rangeIsNot(int32_t from, int32_t to, std::string text) {
  FilterSettings s;
  s.removeRangeDiffers = true;
  s.differFrom = from;
  s.differTo = to;
  s.differText = std::move(text);
  return s;
}
FilterSettings rangeIs(int32_t from, int32_t to, std::string text) {
  FilterSettings s;
  s.removeRangeEquals = true;
  s.equalFrom = from;
  s.equalTo = to;
  s.equalText = std::move(text);
  return s;
}

struct FilterCase {
  const char* name;
  FilterSettings settings;
  std::string value;
  bool keep;
};

TEST(PassesFilter, EachConditionAtItsEdges) {
  FilterSettings digitOrLong = longerThan(2);
  digitOrLong.removeWithDigit = true;
  const std::vector<FilterCase> cases = {
      {"nothing switched on", FilterSettings{}, "abc1", true},
      {"1 digit", withDigit(), "ab3", false},
      {"1 no digit", withDigit(), "abc", true},
      {"2 letter", withLetter(), "12x", false},
      {"2 chinese", withLetter(), kZhongGuo, true},
      {"2 fa is no letter", withLetter(), kFa, true},
      {"3 space", withNeither(), "a b", false},
      {"3 chinese", withNeither(), kFa, false},
      {"3 alphanumeric", withNeither(), "aZ09", true},
      {"4 empty below 1", shorterThan(1), "", false},
      {"4 at the bound", shorterThan(1), "a", true},
      {"4 counts bytes", shorterThan(3), kFa, false},
      {"4 negative bound", shorterThan(-1), "", true},
      {"5 above", longerThan(3), "abcd", false},
      {"5 at the bound", longerThan(3), "abc", true},
      {"6 within tolerance", smallerThan(5), "4.99999995", true},
      {"6 beyond tolerance", smallerThan(5), "4.9999998", false},
      {"6 not a number reads 0", smallerThan(1), "abc", false},
      {"7 beyond tolerance", largerThan(5), "5.0000002", false},
      {"7 within tolerance", largerThan(5), "5.00000005", true},
      {"7 equal", largerThan(5), "5", true},
      {"8 empty S, empty value", without(""), "", false},
      {"8 empty S, some value", without(""), "a", true},
      {"8 S missing", without("b"), "ac", false},
      {"8 S present", without("b"), "abc", true},
      {"9 empty S, some value", with(""), "a", false},
      {"9 empty S, empty value", with(""), "", true},
      {"9 case counts", with("B"), "abc", true},
      {"9 not inside a character", with("l"), kFa, true},
      {"10 range past the end", rangeIsNot(5, 9, "abc"), "abc", false},
      {"10 range matches", rangeIsNot(1, 3, "134"), "1345", true},
      {"11 prefix matches", rangeIs(1, 3, "134"), "13412345678", false},
      {"11 other prefix", rangeIs(1, 3, "134"), "13512345678", true},
      {"11 short value", rangeIs(1, 3, "134"), "13", true},
      {"11 range past the end, empty X", rangeIs(5, 9, ""), "abc", false},
      {"11 extreme bounds do not overflow", rangeIs(INT32_MIN, INT32_MAX, "abc"), "abc", true},
      {"OR: a later condition still removes", digitOrLong, "abc", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(passesFilter(c.value, c.settings), c.keep);
  }
}

TEST(ReadFilterSettings, ReadsEveryBoxOfThePanel) {
  RecordingHost host;
  host.setChecked("选择框1", true);
  host.setText("编辑框18", "2");
  host.setText("编辑框20", "４");  // full-width 4
  host.setText("编辑框21", "ab");
  host.setChecked("选择框7", true);
  host.setText("编辑框14", "2.5kg");
  host.setChecked("选择框9", true);
  host.setText("编辑框16", " x ");
  FilterSettings s = readFilterSettings(host);
  EXPECT_TRUE(s.removeRangeDiffers);
  EXPECT_EQ(s.differFrom, 2);
  EXPECT_EQ(s.differTo, 4);
  EXPECT_EQ(s.differText, "ab");
  EXPECT_TRUE(s.removeSmaller);
  EXPECT_DOUBLE_EQ(s.minNumber, 2.5);
  EXPECT_TRUE(s.removeWithout);
  EXPECT_EQ(s.requiredText, " x ");  // as typed
  EXPECT_FALSE(s.removeWithDigit);
  EXPECT_FALSE(s.removeRangeEquals);
  EXPECT_EQ(s.equalFrom, 0);  // empty box
}

class FilterLinesJob : public ::testing::Test {
 protected:
  void run() {
    Job job(state, host);
    FilterLines(job);
  }
  EngineState state;
  RecordingHost host;
};

TEST_F(FilterLinesJob, RemovesWholeLinesKeepsOrderAndSharesBytes) {
  state.store.workingLines = makeLines({"a,1,x", "b,22", "c,3,", "d,4,yy"});
  state.store.removedLines = makeLines({"old"});
  const char* removedBytes = state.store.workingLines.at(2).data();
  host.setText("编辑框1", ",");
  host.setText("编辑框10", "3");
  host.setChecked("选择框4", true);  // shorter than 1: the lines without column 3
  host.setText("编辑框12", "1");
  run();
  EXPECT_EQ(linesOf(state.store.workingLines), (Lines{"a,1,x", "d,4,yy"}));
  EXPECT_EQ(linesOf(state.store.removedLines), (Lines{"b,22", "c,3,"}));
  EXPECT_EQ(state.store.removedLines.at(1).data(), removedBytes);
  EXPECT_EQ(state.store.progress(), 100);
  EXPECT_EQ(host.calls(),
            (Lines{"setEnabled 按钮1 0", "setEnabled 按钮2 0", "setEnabled 按钮3 0",
                   "setEnabled 分组框1 0", "setEnabled 选择夹2 0", "setProgressBar 0", "clearItems",
                   "setProgressBar 100", "setItemCount 2", "setEnabled 按钮1 1",
                   "setEnabled 按钮2 1", "setEnabled 按钮3 1", "setEnabled 分组框1 1",
                   "setEnabled 选择夹2 1", "showMessage info 处理完成！被剔除的数据行数：2"}));
}

TEST_F(FilterLinesJob, ChineseLinesAreNotTakenForLetters) {
  state.store.workingLines = makeLines({std::string(kFa) + ",1", "abc,2", kZhongGuo});
  host.setText("编辑框1", ",");
  host.setText("编辑框10", "1");
  host.setChecked("选择框2", true);
  run();
  EXPECT_EQ(linesOf(state.store.workingLines), (Lines{std::string(kFa) + ",1", kZhongGuo}));
  EXPECT_EQ(linesOf(state.store.removedLines), (Lines{"abc,2"}));
}

TEST_F(FilterLinesJob, NoConditionAndEmptyListReportZero) {
  host.setText("编辑框1", ",");
  host.setText("编辑框10", "1");
  run();
  EXPECT_EQ(host.lastMessage(), "处理完成！被剔除的数据行数：0");
  EXPECT_TRUE(state.store.workingLines.empty());

  state.store.workingLines = makeLines({"1", "2"});
  state.store.removedLines = makeLines({"old"});
  run();
  EXPECT_EQ(linesOf(state.store.workingLines), (Lines{"1", "2"}));
  EXPECT_TRUE(state.store.removedLines.empty());  // replaced by this run's (none)
  EXPECT_EQ(host.lastMessage(), "处理完成！被剔除的数据行数：0");
}

TEST_F(FilterLinesJob, RefusalsChangeNothing) {
  struct Refusal {
    const char* delimiter;
    const char* column;
    std::vector<std::string> messages;
  };
  const std::vector<Refusal> refusals = {
      {"", "1", {"注意：没有分隔符！"}},
      {",", "", {}},
      {",", "0", {}},
      {",", "-2", {}},
      {",", "abc", {}},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(std::string(r.delimiter) + "|" + r.column);
    state.store.workingLines = makeLines({"a1", "b"});
    state.store.removedLines = makeLines({"old"});
    host.clearCalls();
    host.setText("编辑框1", r.delimiter);
    host.setText("编辑框10", r.column);
    host.setChecked("选择框6", true);
    run();
    EXPECT_EQ(linesOf(state.store.workingLines), (Lines{"a1", "b"}));
    EXPECT_EQ(linesOf(state.store.removedLines), (Lines{"old"}));
    EXPECT_EQ(host.messages(), r.messages);
    EXPECT_TRUE(host.calls("clearItems").empty());
    EXPECT_EQ(host.calls("setItemCount"), (Lines{"setItemCount 2"}));
    for (const auto& call : host.calls("showMessage"))
      EXPECT_EQ(call.rfind("showMessage error", 0), 0u);
  }
}

}  // namespace
}  // namespace quorvan
