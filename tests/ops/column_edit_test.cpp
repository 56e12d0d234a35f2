#include "ops/column_edit.h"

#include <gtest/gtest.h>

#include "tests/ops/rewrite_job_fixture.h"

namespace quorvan::testing {
namespace {

constexpr auto kDelimiter = "编辑框1";

struct EditCase {
  const char* name;
  JobBody body;
  Boxes boxes;
  std::string line;
  std::string expected;
};

Boxes swap(std::string delimiter, std::string a, std::string b) {
  return {{kDelimiter, delimiter}, {kSwapFirstColumnBox, a}, {kSwapSecondColumnBox, b}};
}
Boxes remove(std::string delimiter, std::string a) {
  return {{kDelimiter, delimiter}, {kDeleteColumnBox, a}};
}
Boxes suffix(std::string delimiter, std::string a, std::string text) {
  return {{kDelimiter, delimiter}, {kSuffixColumnBox, a}, {kSuffixTextBox, text}};
}

// A GBK character whose trail byte is "|" (0x7C), and the full-width comma.
const std::string kTrailBar = "\x95\x7C";
const std::string kWideComma = "\xA3\xAC";

TEST(ColumnEdit, RewritesLinesThatHaveTheColumnsAndKeepsTheOthersExactly) {
  const EditCase cases[] = {
      {"swap 1 3", SwapColumns, swap(",", "1", "3"), "a,b,c", "c,b,a"},
      {"swap 3 1", SwapColumns, swap(",", "3", "1"), "a,b,c", "c,b,a"},
      {"swap lacking a column", SwapColumns, swap(",", "1", "3"), "a,b", "a,b"},
      {"swap drops a trailing delimiter", SwapColumns, swap(",", "1", "2"), "a,b,", "b,a"},
      {"swap keeps empty inner columns", SwapColumns, swap(",", "1", "3"), "a,,b", "b,,a"},
      {"swap keeps an empty last column", SwapColumns, swap(",", "1", "2"), "a,b,,", "b,a,"},
      {"swap equal columns still rejoins", SwapColumns, swap(",", "1", "2"), "x,x,", "x,x"},
      {"swap empty line", SwapColumns, swap(",", "1", "2"), "", ""},
      {"swap full-width column number", SwapColumns, swap(",", "\xA3\xB2", "1"), "a,b", "b,a"},
      {"swap two-byte delimiter", SwapColumns, swap("||", "1", "2"), "x||y|z", "y|z||x"},
      {"swap ignores a trail byte", SwapColumns, swap("|", "1", "2"), kTrailBar + "|b",
       "b|" + kTrailBar},
      {"swap double-byte delimiter", SwapColumns, swap(kWideComma, "1", "2"),
       "a" + kWideComma + "b", "b" + kWideComma + "a"},
      {"delete middle", DeleteColumn, remove(",", "2"), "a,b,c", "a,c"},
      {"delete first", DeleteColumn, remove(",", "1"), "a,b", "b"},
      {"delete drops a trailing delimiter", DeleteColumn, remove(",", "2"), "a,b,", "a"},
      {"delete the only column", DeleteColumn, remove(",", "1"), "abc", "abc"},
      {"delete the only column before a delimiter", DeleteColumn, remove(",", "1"), "a,", "a,"},
      {"delete lacking the column", DeleteColumn, remove(",", "3"), "a,b", "a,b"},
      {"delete an empty inner column", DeleteColumn, remove(",", "2"), "a,,b", "a,b"},
      {"delete with a two-byte delimiter", DeleteColumn, remove("||", "2"), "x||y||z", "x||z"},
      {"suffix", AppendSuffix, suffix(",", "1", "_1"), "a,b", "a_1,b"},
      {"suffix on a single column", AppendSuffix, suffix(",", "1", "_1"), "abc", "abc_1"},
      {"suffix lacking the column", AppendSuffix, suffix(",", "3", "_1"), "a,b", "a,b"},
      {"suffix on the empty line", AppendSuffix, suffix(",", "1", "_1"), "", ""},
      {"suffix holding the delimiter", AppendSuffix, suffix(",", "1", ",z"), "a,b", "a,z,b"},
      {"suffix drops a trailing delimiter", AppendSuffix, suffix(",", "2", "x"), "a,b,", "a,bx"},
      {"suffix is not trimmed", AppendSuffix, suffix(",", "1", " s "), "a", "a s "},
      {"suffix with a double-byte delimiter", AppendSuffix, suffix(kWideComma, "2", "1"),
       "a" + kWideComma + "b", "a" + kWideComma + "b1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto outcome = runRewriteJob(c.body, {c.line, "other"}, withBoxes(c.boxes));
    ASSERT_EQ(outcome.lines.size(), 2u);
    EXPECT_EQ(outcome.lines[0], c.expected);
    EXPECT_EQ(outcome.sameHandle[0], c.expected == c.line);
    EXPECT_TRUE(outcome.messages.empty());
  }
}

TEST(ColumnEdit, SucceedsSilentlyInsideTheFrame) {
  for (JobBody body : {SwapColumns, DeleteColumn, AppendSuffix}) {
    Boxes boxes = {{kDelimiter, ","},       {kSwapFirstColumnBox, "1"}, {kSwapSecondColumnBox, "2"},
                   {kDeleteColumnBox, "1"}, {kSuffixColumnBox, "1"},    {kSuffixTextBox, "!"}};
    auto outcome = runRewriteJob(body, {"a,b", "c", "d,e"}, withBoxes(boxes));
    EXPECT_EQ(outcome.calls, frameCalls(3, true));
    EXPECT_EQ(outcome.progress, 100);
    EXPECT_EQ(outcome.removedLines, 1u);
  }
}

TEST(ColumnEdit, RefusesBadSettingsInOrderAndChangesNothing) {
  const std::string noDelimiter = "error 注意：没有分隔符！";
  const std::string noSuffix = "error 注意：没有分隔符或需要加的后缀！";
  struct RefusalCase {
    const char* name;
    JobBody body;
    Boxes boxes;
    std::string message;  // empty: refused silently
  };
  const RefusalCase cases[] = {
      {"swap without delimiter", SwapColumns, swap("", "1", "2"), noDelimiter},
      {"swap: the delimiter is checked first", SwapColumns, swap("", "2", "2"), noDelimiter},
      {"swap equal columns", SwapColumns, swap(",", "2", "2"), ""},
      {"swap column 0", SwapColumns, swap(",", "0", "1"), ""},
      {"swap empty box", SwapColumns, swap(",", "1", ""), ""},
      {"swap negative column", SwapColumns, swap(",", "-1", "2"), ""},
      {"swap not a number", SwapColumns, swap(",", "x", "2"), ""},
      {"delete without delimiter", DeleteColumn, remove("", "1"), noDelimiter},
      {"delete column 0", DeleteColumn, remove(",", "0"), ""},
      {"suffix without delimiter", AppendSuffix, suffix("", "1", "x"), noSuffix},
      {"suffix without text", AppendSuffix, suffix(",", "1", ""), noSuffix},
      {"suffix: the texts are checked first", AppendSuffix, suffix(",", "0", ""), noSuffix},
      {"suffix column 0", AppendSuffix, suffix(",", "0", "x"), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto outcome = runRewriteJob(c.body, {"a,b,c", "d,e,"}, withBoxes(c.boxes));
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{"a,b,c", "d,e,"}));
    EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{true, true}));
    auto expected = frameCalls(2, false);
    if (!c.message.empty()) expected.push_back("showMessage " + c.message);
    EXPECT_EQ(outcome.calls, expected);
    EXPECT_EQ(outcome.removedLines, 1u);
  }
}

}  // namespace
}  // namespace quorvan::testing
