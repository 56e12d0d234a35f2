#include "ops/strip_characters.h"

#include <gtest/gtest.h>

#include "tests/ops/rewrite_job_fixture.h"

namespace quorvan::testing {
namespace {

constexpr auto kDelimiter = "编辑框1";

// "张" (D5 C5) and "中文" are of the common range; "園" (88 40) has the trail byte "@",
// 88 61 the trail byte "a", 88 5A the trail byte "Z"; 88 31 is not GBK but carries the
// trail byte "1".
const std::string kZhang = "\xD5\xC5";
const std::string kChinese = "\xD6\xD0\xCE\xC4";
const std::string kTrailAt = "\x88\x40";
const std::string kTrailLower = "\x88\x61";
const std::string kTrailUpper = "\x88\x5A";
const std::string kTrailDigit = "\x88\x31";

TEST(CharacterFilters, JudgeWholeCharacters) {
  struct Case {
    const char* name;
    Text (*filter)(TextView);
    std::string value, expected;
  };
  const Case cases[] = {
      {"keep", keepAlphanumericAndAt, kChinese + " ab-12@#", "ab12@"},
      {"keep all classes", keepAlphanumericAndAt, "aZ09@.-_ \t", "aZ09@"},
      {"keep drops extended characters whole", keepAlphanumericAndAt,
       "x" + kTrailAt + kTrailLower + kTrailUpper + "y", "xy"},
      {"keep drops a lone lead byte", keepAlphanumericAndAt, "a\x88", "a"},
      {"letters", removeLetterBytes, "A1" + kZhang + "b2", "1" + kZhang + "2"},
      {"letters keep extended characters whole", removeLetterBytes,
       kTrailLower + "a" + kTrailUpper + "Z", kTrailLower + kTrailUpper},
      {"letters keep signs", removeLetterBytes, "a@b-c", "@-"},
      {"digits", removeDigitBytes, "A1" + kZhang + "b2", "A" + kZhang + "b"},
      {"digits keep extended characters whole", removeDigitBytes, kTrailDigit + "10", kTrailDigit},
      {"digits of all ten", removeDigitBytes, "x1234567890y", "xy"},
      {"empty", removeDigitBytes, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.filter(c.value), c.expected);
  }
}

// The options ticked by their numbers 1 to 5 ("34": letters and digits).
StripOptions ticked(std::string_view numbers, std::string custom = "") {
  StripOptions options;
  options.keepAlphanumeric = numbers.find('1') != numbers.npos;
  options.removeAt = numbers.find('2') != numbers.npos;
  options.removeLetters = numbers.find('3') != numbers.npos;
  options.removeDigits = numbers.find('4') != numbers.npos;
  options.removeCustom = numbers.find('5') != numbers.npos;
  options.customText = std::move(custom);
  return options;
}

TEST(StripColumnValue, AppliesTheTickedOptionsInOrder) {
  struct Case {
    const char* name;
    StripOptions options;
    std::string value, expected;
  };
  const Case cases[] = {
      {"none", ticked(""), " a-b ", " a-b "},
      {"1", ticked("1"), kChinese + " ab-12@#", "ab12@"},
      {"1 and 2", ticked("12"), kChinese + " ab-12@#", "ab12"},
      {"2 keeps the trail byte of a character", ticked("2"), kTrailAt + "@x@", kTrailAt + "x"},
      {"3 and 4", ticked("34"), "A1" + kZhang + "b2", kZhang},
      {"5", ticked("5", "-"), "1-2--3", "123"},
      {"5 with an empty text", ticked("5"), "1-2", "1-2"},
      {"5 is case-sensitive", ticked("5", "AB"), "abAB", "ab"},
      {"5 unticked ignores its text", ticked("", "-"), "1-2", "1-2"},
      // Letters go before the custom text is looked for: "a1b" no longer holds "1b".
      {"3 before 5", ticked("35", "1b"), "a1b2", "12"},
      // The "@" is gone before the custom text "a@" could match.
      {"2 before 5", ticked("25", "a@"), "xa@y", "xay"},
      // Option 1 removes "-" before option 5 could remove "a-b".
      {"1 before 5", ticked("15", "a-b"), "a-b", "ab"},
      // Digits removed before the custom text: "1x" never forms "x1x".
      {"4 before 5", ticked("45", "xx"), "x1x", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(stripColumnValue(c.value, c.options), c.expected);
  }
}

std::function<void(RecordingHost&)> stripSettings(std::string delimiter, std::string column,
                                                  std::vector<std::string_view> ticked,
                                                  std::string custom = "") {
  return [=](RecordingHost& host) {
    host.setGbkText(kDelimiter, delimiter);
    host.setGbkText(kStripColumnBox, column);
    host.setGbkText(kCustomTextBox, custom);
    for (auto check : ticked) host.setChecked(check, true);
  };
}

TEST(StripCharacters, StripsOneColumnAndRebuildsEveryLine) {
  struct Case {
    const char* name;
    std::function<void(RecordingHost&)> settings;
    std::string line, expected;
  };
  const Case cases[] = {
      {"no option: only rebuilt", stripSettings(",", "1", {}), " a , ,b ,", "a,b"},
      {"a column stripped to nothing is dropped", stripSettings(",", "2", {kRemoveLettersCheck}),
       "x,abc,y", "x,y"},
      {"a line lacking the column is rebuilt", stripSettings(",", "3", {kRemoveLettersCheck}),
       " ab , cd,", "ab,cd"},
      {"the empty line", stripSettings(",", "1", {kKeepAlphanumericCheck}), "", ""},
      {"other columns are not stripped", stripSettings(",", "2", {kRemoveDigitsCheck}), "a1,b2,c3",
       "a1,b,c3"},
      {"1 and 2", stripSettings(",", "1", {kKeepAlphanumericCheck, kRemoveAtCheck}),
       kChinese + " ab-12@#,z", "ab12,z"},
      {"5", stripSettings(",", "1", {kRemoveCustomCheck}, "-"), "1-2-3,-", "123,-"},
      {"5 with a multi-byte delimiter", stripSettings("||", "2", {kRemoveCustomCheck}, " "),
       "a|| b c ||d", "a||bc||d"},
      {"a trail byte is no delimiter", stripSettings("@", "1", {kRemoveLettersCheck}),
       kTrailAt + "ab@c", kTrailAt + "@c"},
      {"extended characters stay whole", stripSettings(",", "1", {kRemoveLettersCheck}),
       kTrailLower + "ab,c", kTrailLower + ",c"},
      {"nothing to strip", stripSettings(",", "1", {kRemoveDigitsCheck}), "ab,c", "ab,c"},
      {"a stripped column is trimmed", stripSettings(",", "1", {kRemoveDigitsCheck}), "1 a 1,b",
       "a,b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto outcome = runRewriteJob(StripCharacters, {c.line}, c.settings);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{c.expected}));
    EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{c.expected == c.line}));
    EXPECT_EQ(outcome.calls, frameCalls(1, true));
    EXPECT_EQ(outcome.removedLines, 1u);
  }
}

TEST(StripCharacters, RefusesAnEmptyDelimiterOrABadColumn) {
  for (auto settings : {stripSettings("", "1", {kRemoveLettersCheck}),
                        stripSettings(",", "0", {kRemoveLettersCheck}),
                        stripSettings(",", "", {kRemoveLettersCheck})}) {
    auto outcome = runRewriteJob(StripCharacters, {" ab , c "}, settings);
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{" ab , c "}));
    auto expected = frameCalls(1, false);
    expected.push_back("showMessage error 注意：没有分隔符！");
    EXPECT_EQ(outcome.calls, expected);
  }
}

}  // namespace
}  // namespace quorvan::testing
