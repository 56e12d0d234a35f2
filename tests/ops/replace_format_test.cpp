#include "ops/replace_format.h"

#include <gtest/gtest.h>

#include "tests/ops/rewrite_job_fixture.h"

namespace quorvan::testing {
namespace {

constexpr auto kDelimiter = "编辑框1";
// GBK characters whose trail byte is an ASCII sign: "園" (88 40, trail "@") and 95 7C
// (trail "|"); the full-width space.
const std::string kTrailAt = "\x88\x40";
const std::string kTrailBar = "\x95\x7C";
const std::string kWideSpace = "\xA1\xA1";

struct LineCase {
  std::string line;
  std::string expected;
};

TEST(ReplaceText, ReplacesAtCharacterBoundariesWithoutOverlapOrRescan) {
  struct Case {
    std::string find, replacement;
    LineCase line;
  };
  const Case cases[] = {
      {"a", "b", {"aaa", "bbb"}},
      {"aa", "b", {"aaa", "ba"}},
      {"A", "b", {"aaa", "aaa"}},
      {"-", "", {"12-34-56", "123456"}},
      {"a", "aa", {"a", "aa"}},
      {"ab", "ba", {"abab", "baba"}},
      {"@", "#", {kTrailAt + "@", kTrailAt + "#"}},
      {"|", ",", {"a|" + kTrailBar + "|", "a," + kTrailBar + ","}},
      {"\xD6\xD0", "x", {"\xD6\xD0\xCE\xC4\xD6\xD0", "x\xCE\xC4x"}},
      {"\x40\x88", "x", {kTrailAt + kTrailAt, kTrailAt + kTrailAt}},
      {"a", "b", {"", ""}},
      {" ", "", {" a b ", "ab"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.find + " -> " + c.replacement + " in " + c.line.line);
    // No delimiter is given: the replace does not need one.
    auto outcome =
        runRewriteJob(ReplaceText, {c.line.line, "zzz"},
                      withBoxes({{kFindTextBox, c.find}, {kReplacementBox, c.replacement}}));
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{c.line.expected, "zzz"}));
    EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{c.line.expected == c.line.line, true}));
    EXPECT_EQ(outcome.calls, frameCalls(2, true));
    EXPECT_EQ(outcome.removedLines, 1u);
  }
}

TEST(ReplaceText, EmptyFindTextEndsAtOnceWithoutMessage) {
  auto outcome = runRewriteJob(ReplaceText, {"abc"}, withBoxes({{kReplacementBox, "x"}}));
  EXPECT_EQ(outcome.lines, (std::vector<std::string>{"abc"}));
  EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{true}));
  EXPECT_EQ(outcome.calls, frameCalls(1, true));
  EXPECT_EQ(outcome.progress, 100);
}

TEST(FormatLines, TrimsColumnsAndDropsBlankOnes) {
  struct Case {
    std::string delimiter;
    LineCase line;
  };
  const Case cases[] = {
      {",", {" a , b ,, c ", "a,b,c"}},
      {",", {"a,b,", "a,b"}},
      {",", {",a", "a"}},
      {",", {"   ", ""}},
      {",", {",,,", ""}},
      {",", {"", ""}},
      {",", {" abc ", "abc"}},
      {",", {"a,b", "a,b"}},
      {",", {kWideSpace + "a" + kWideSpace + ", " + kWideSpace + " ,b", "a,b"}},
      {",", {"\ta ,b", "\ta,b"}},
      {" ", {"a   b", "a b"}},
      {"||", {"||x || y|z||", "x||y|z"}},
      {"@", {kTrailAt + " @ @b", kTrailAt + "@b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("[" + c.line.line + "] at [" + c.delimiter + "]");
    auto outcome =
        runRewriteJob(FormatLines, {c.line.line}, withBoxes({{kDelimiter, c.delimiter}}));
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{c.line.expected}));
    EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{c.line.expected == c.line.line}));
    EXPECT_EQ(outcome.calls, frameCalls(1, true));
    EXPECT_EQ(outcome.removedLines, 1u);
  }
}

TEST(FormatLines, RefusesAnEmptyDelimiter) {
  auto outcome = runRewriteJob(FormatLines, {" a , b "}, withBoxes({}));
  EXPECT_EQ(outcome.lines, (std::vector<std::string>{" a , b "}));
  auto expected = frameCalls(1, false);
  expected.push_back("showMessage error 注意：没有分隔符！");
  EXPECT_EQ(outcome.calls, expected);
}

}  // namespace
}  // namespace quorvan::testing
