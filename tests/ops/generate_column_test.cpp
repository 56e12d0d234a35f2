#include "ops/generate_column.h"

#include <gtest/gtest.h>

#include <set>

#include "ops/random_text.h"
#include "tests/ops/rewrite_job_fixture.h"

namespace quorvan::testing {
namespace {

constexpr auto kDelimiter = "编辑框1";

// What a stretch of generated text must be: a literal, or `count` characters of one kind.
enum class Kind { Literal, Digit, Lower, Upper, Letter, Symbol, Chinese };
struct Piece {
  Kind kind;
  int count = 0;
  std::string literal;
};
Piece literal(std::string text) { return {Kind::Literal, 0, std::move(text)}; }
Piece run(Kind kind, int count) { return {kind, count, {}}; }

bool isKind(Kind kind, TextView c) {
  static const std::set<TextView> symbols(randomSymbolEntries().begin(),
                                          randomSymbolEntries().end());
  auto byte = [&](size_t i) { return static_cast<unsigned char>(c[i]); };
  bool lower = c.size() == 1 && c[0] >= 'a' && c[0] <= 'z';
  bool upper = c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z';
  switch (kind) {
    case Kind::Digit:
      return c.size() == 1 && c[0] >= '1' && c[0] <= '9';
    case Kind::Lower:
      return lower;
    case Kind::Upper:
      return upper;
    case Kind::Letter:
      return lower || upper;
    case Kind::Symbol:
      return symbols.contains(c);
    case Kind::Chinese:
      return c.size() == 2 && byte(0) >= 0xB0 && byte(0) <= 0xDA && byte(1) >= 0xB0 &&
             byte(1) <= 0xDA;
    case Kind::Literal:
      break;
  }
  return false;
}

// Checks that `text` is exactly the pieces in order.
::testing::AssertionResult hasShape(TextView text, const std::vector<Piece>& pieces) {
  size_t pos = 0;
  for (const auto& piece : pieces) {
    if (piece.kind == Kind::Literal) {
      if (text.substr(pos, piece.literal.size()) != piece.literal)
        return ::testing::AssertionFailure() << "no literal at byte " << pos << " of " << text;
      pos += piece.literal.size();
      continue;
    }
    for (int n = 0; n < piece.count; ++n) {
      if (pos >= text.size()) return ::testing::AssertionFailure() << "too short: " << text;
      size_t length = characterLength(text, pos);
      if (!isKind(piece.kind, text.substr(pos, length)))
        return ::testing::AssertionFailure() << "wrong character at byte " << pos << " of " << text;
      pos += length;
    }
  }
  if (pos != text.size()) return ::testing::AssertionFailure() << "too long: " << text;
  return ::testing::AssertionSuccess();
}

// "園" (88 40) has the trail byte "@", 88 5C the trail byte "\"; "中" and "文" are GB2312.
const std::string kTrailAt = "\x88\x40";
const std::string kTrailBackslash = "\x88\x5C";
const std::string kMiddle = "\xD6\xD0";
const std::string kScript = "\xCE\xC4";

TEST(GenerateFromPattern, ExpandsEscapesByTheirClosingMarker) {
  struct Case {
    std::string pattern;
    std::vector<Piece> shape;
  };
  const Case cases[] = {
      {"ID\\3\\", {literal("ID"), run(Kind::Digit, 3)}},
      {"*2*@2@", {run(Kind::Lower, 2), run(Kind::Upper, 2)}},
      {"%4%", {run(Kind::Letter, 4)}},
      {"#5#", {run(Kind::Symbol, 5)}},
      {"$3$", {run(Kind::Chinese, 3)}},
      {"\\2*", {run(Kind::Lower, 2)}},
      {"*2\\", {run(Kind::Digit, 2)}},
      {"a\\1\\b#2$c",
       {literal("a"), run(Kind::Digit, 1), literal("b"), run(Kind::Chinese, 2), literal("c")}},
      {"\\\\", {}},
      {"\\0\\", {}},
      {"\\-3\\", {}},
      {"-\\x\\-", {literal("--")}},
      {"\\\xA3\xB2\\", {run(Kind::Digit, 2)}},  // a full-width count reads as its digit
      {"abc\\5", {literal("abc")}},
      {"abc\\", {literal("abc")}},
      {"plain", {literal("plain")}},
      {kMiddle + "\\1\\" + kScript, {literal(kMiddle), run(Kind::Digit, 1), literal(kScript)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_TRUE(hasShape(generateFromPattern(c.pattern), c.shape));
  }
}

// A trail byte that equals a marker is part of its character, in the literal text and in the
// count text; it never opens or closes an escape.
TEST(GenerateFromPattern, TrailBytesAreNeverMarkers) {
  struct Case {
    std::string pattern;
    std::vector<Piece> shape;
  };
  const Case cases[] = {
      {kTrailAt, {literal(kTrailAt)}},
      {kTrailBackslash + "x", {literal(kTrailBackslash + "x")}},
      {kTrailAt + "\\2\\" + kTrailAt, {literal(kTrailAt), run(Kind::Digit, 2), literal(kTrailAt)}},
      {"\\2" + kTrailAt + "\\", {run(Kind::Digit, 2)}},
      {"@3" + kTrailBackslash + "@", {run(Kind::Upper, 3)}},
      {"a\x88", {literal("a\x88")}},  // a lone lead byte at the end stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_TRUE(hasShape(generateFromPattern(c.pattern), c.shape));
  }
}

TEST(GenerateColumn, AppendsTheDelimiterAndAFreshTextToEveryLine) {
  const std::vector<std::string> lines = {"a", "", "b,", "c,d"};
  auto outcome = runRewriteJob(GenerateColumn, lines,
                               withBoxes({{kDelimiter, ","}, {kPatternBox, "ID\\3\\"}}));
  ASSERT_EQ(outcome.lines.size(), lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    EXPECT_TRUE(hasShape(outcome.lines[i], {literal(lines[i] + ",ID"), run(Kind::Digit, 3)}));
  }
  EXPECT_EQ(outcome.calls, frameCalls(4, true));
  EXPECT_EQ(outcome.removedLines, 1u);
}

TEST(GenerateColumn, DrawsEachLineAfresh) {
  // The lines are handled within the same millisecond; the seeding still differs.
  auto outcome = runRewriteJob(GenerateColumn, {"x", "x"},
                               withBoxes({{kDelimiter, "||"}, {kPatternBox, "%16%"}}));
  ASSERT_EQ(outcome.lines.size(), 2u);
  EXPECT_TRUE(hasShape(outcome.lines[0], {literal("x||"), run(Kind::Letter, 16)}));
  EXPECT_NE(outcome.lines[0], outcome.lines[1]);
}

TEST(GenerateColumn, RefusesAnEmptyDelimiterOrPattern) {
  for (Boxes boxes : {Boxes{{kPatternBox, "\\2\\"}}, Boxes{{kDelimiter, ","}}}) {
    auto outcome = runRewriteJob(GenerateColumn, {"a"}, withBoxes(boxes));
    EXPECT_EQ(outcome.lines, (std::vector<std::string>{"a"}));
    EXPECT_EQ(outcome.sameHandle, (std::vector<bool>{true}));
    auto expected = frameCalls(1, false);
    expected.push_back("showMessage error 注意：没有分隔符！");
    EXPECT_EQ(outcome.calls, expected);
  }
}

}  // namespace
}  // namespace quorvan::testing
