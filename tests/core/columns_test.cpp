#include "core/columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_primitives.h"

namespace quorvan {
namespace {

using Columns = std::vector<std::string>;

struct ColumnCase {
  std::string line;
  std::string delimiter;
  Columns columns;  // columns 1 ... n; every higher column reads as the empty text
};

// "\x95\x5C" and "\x81\x40" are double-byte characters whose second byte is '\' or '@'.
const ColumnCase kColumnCases[] = {
    {"a,b,c", ",", {"a", "b", "c"}},
    {"", ",", {}},
    {"abc", ",", {"abc"}},
    {"a,,b", ",", {"a", "", "b"}},
    {",a", ",", {"", "a"}},
    {"a,b,", ",", {"a", "b"}},
    {"a,b,,", ",", {"a", "b", ""}},
    {",", ",", {""}},
    {"x||y|z", "||", {"x", "y|z"}},
    {"a|||b", "||", {"a", "|b"}},
    {"a  b", " ", {"a", "", "b"}},
    {"\x95\x5C\\x", "\\", {"\x95\x5C", "x"}},
    {"\x81\x40@b", "@", {"\x81\x40", "b"}},
    {"\xD6\xD0\xA1\xA1\xCE\xC4", "\xA1\xA1", {"\xD6\xD0", "\xCE\xC4"}},
};

TEST(ColumnValue, ReadsEachColumnAndEmptyBeyondTheLast) {
  for (const auto& c : kColumnCases) {
    SCOPED_TRACE("line '" + c.line + "' delimiter '" + c.delimiter + "'");
    const int32_t n = int32_t(c.columns.size());
    for (int32_t k = 1; k <= n; ++k)
      EXPECT_EQ(columnValue(c.line, c.delimiter, k), c.columns[size_t(k) - 1]) << k;
    EXPECT_EQ(columnValue(c.line, c.delimiter, n + 1), "");
    EXPECT_EQ(columnValue(c.line, c.delimiter, INT32_MAX), "");
    // Columns are exactly the pieces of splitText.
    EXPECT_EQ(splitText(c.line, c.delimiter), c.columns);
  }
}

TEST(ColumnValue, ViewLooksIntoTheLine) {
  const std::string line = "a,bc,d";
  TextView column = columnValue(line, ",", 2);
  EXPECT_EQ(column.data(), line.data() + 2);
  EXPECT_EQ(column, "bc");
}

struct JoinCase {
  Columns columns;
  std::string delimiter;
  std::string joined;
  std::string joinedNonBlank;
};

TEST(JoinColumns, JoinsAndDropsBlankColumns) {
  const JoinCase cases[] = {
      {{"a", "", "b"}, ",", "a,,b", "a,b"},
      {{"a"}, ",", "a", "a"},
      {{}, ",", "", ""},
      {{"x", "y"}, "||", "x||y", "x||y"},
      {{" a ", "", "  ", "b"}, ",", " a ,,  ,b", "a,b"},
      {{"", " "}, ",", ", ", ""},
      // The full-width space counts as a space.
      {{"\xA1\xA1",
        "\xA1\xA1"
        "c \xA1\xA1",
        "d"},
       ",",
       "\xA1\xA1,\xA1\xA1"
       "c \xA1\xA1,d",
       "c,d"},
      // A space inside a column stays.
      {{" a b "}, ",", " a b ", "a b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.joined);
    std::vector<TextView> views(c.columns.begin(), c.columns.end());
    EXPECT_EQ(joinColumns(views, c.delimiter), c.joined);
    EXPECT_EQ(joinColumns(std::span<const Text>(c.columns), c.delimiter), c.joined);
    EXPECT_EQ(joinNonBlankColumns(views, c.delimiter), c.joinedNonBlank);
  }
}

TEST(JoinColumns, RejoiningDropsATrailingDelimiterAndKeepsInnerEmptyColumns) {
  EXPECT_EQ(joinColumns(splitViews("a,b,", ","), ","), "a,b");
  EXPECT_EQ(joinColumns(splitViews("a,,b", ","), ","), "a,,b");
}

}  // namespace
}  // namespace quorvan
