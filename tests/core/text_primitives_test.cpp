#include "core/text_primitives.h"

#include <gtest/gtest.h>

namespace quorvan {
namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
  std::string text, separator;
  Pieces pieces;
};

TEST(SplitText, CutsAtEverySeparatorAndDropsAnEmptyRest) {
  const SplitCase cases[] = {
      {"", ",", {}},
      {"a", "", {"a"}},
      {"abc", ",", {"abc"}},
      {"a,,b", ",", {"a", "", "b"}},
      {",a", ",", {"", "a"}},
      {"a,b,", ",", {"a", "b"}},
      {",", ",", {""}},
      {",,", ",", {"", ""}},
      {"a--b", "--", {"a", "b"}},
      {"a-b", "--", {"a-b"}},
      {"x||y|z", "||", {"x", "y|z"}},
      {"a  b", " ", {"a", "", "b"}},
      // The trail byte 0x7C of a double-byte character is not a separator.
      {"\x81\x7C|b", "|", {"\x81\x7C", "b"}},
      {"\x88\x40@x", "@", {"\x88\x40", "x"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(splitText(c.text, c.separator), c.pieces) << "'" << c.text << "' at '" << c.separator << "'";
  }
}

TEST(FindText, FindsAtCharacterBoundariesOnly) {
  EXPECT_EQ(findText("abc", ""), 1);
  EXPECT_EQ(findText("", ""), -1);
  EXPECT_EQ(findText("abab", "b"), 2);
  EXPECT_EQ(findText("ABC", "b"), -1);
  EXPECT_EQ(findText("\x81\x5C\\", "\\"), 3);
  EXPECT_EQ(findText("a", "ab"), -1);
}

TEST(TextCuts, CountPlainBytes) {
  EXPECT_EQ(textMid("abc", 0, 2), "");
  EXPECT_EQ(textMid("abc", 4, 1), "");
  EXPECT_EQ(textMid("abc", 3, 5), "c");
  EXPECT_EQ(textMid("abc", 2, 0), "");
  EXPECT_EQ(textLeft("abc", 5), "abc");
  EXPECT_EQ(textLeft("abc", -1), "");
  EXPECT_EQ(textRight("abc", 2), "bc");
  EXPECT_EQ(textRight("abc", 0), "");
  EXPECT_EQ(textLeft("\xD6\xD0", 1), "\xD6");  // may cut a character in two
}

TEST(ReplaceSubtext, ReplacesLeftToRightWithoutOverlapOrRescan) {
  EXPECT_EQ(replaceSubtext("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceSubtext("abc", "", "x"), "abc");
  EXPECT_EQ(replaceSubtext("", "a", "x"), "");
  EXPECT_EQ(replaceSubtext("aba", "a", "aa"), "aabaa");
  // "\" inside the character 81 5C is not replaced.
  EXPECT_EQ(replaceSubtext("\x81\x5C\\", "\\", "/"), "\x81\x5C/");
}

TEST(Spaces, TrimAndRemoveBothWidths) {
  EXPECT_EQ(trimBothEnds("\xA1\xA1 ab c \xA1\xA1"), "ab c");
  EXPECT_EQ(trimBothEnds("\tx "), "\tx");
  EXPECT_EQ(trimBothEnds("   "), "");
  EXPECT_EQ(trimBothEnds(""), "");
  EXPECT_EQ(removeAllSpaces(" a\xA1\xA1" "b "), "ab");
  // A1 A1 only counts where a character starts: B0 A1 then A1 41 are two characters.
  EXPECT_EQ(removeAllSpaces("\xB0\xA1\xA1\x41"), "\xB0\xA1\xA1\x41");
}

TEST(CaseAndCodes, ChangeOnlySingleByteLetters) {
  EXPECT_EQ(toUpperCase("ab\x81" "aZ"), "AB\x81" "aZ");
  EXPECT_EQ(charFromCode(65), "A");
  EXPECT_EQ(charFromCode(256 + 66), "B");
  EXPECT_EQ(charFromCode(0), "");
  EXPECT_EQ(charFromCode(256), "");
}

}  // namespace
}  // namespace quorvan
