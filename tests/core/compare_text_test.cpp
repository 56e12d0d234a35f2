#include "core/compare_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvan {
namespace {

TEST(CompareText, UnsignedBytesShorterFirstNoFolding) {
  struct Case {
    std::string a, b;
    int expected;
  };
  const Case cases[] = {
      {"", "", 0},
      {"abc", "abc", 0},
      {"", "a", -1},
      {"A", "a", -1},
      {"10", "9", -1},
      {"ab", "abc", -1},
      {"a", "a ", -1},
      {"\x7F", "\x80", -1},   // bytes are unsigned
      {"z", "\xD6\xD0", -1},  // "中" after every ASCII text
      {"\xD6\xD0", "\xD6\xD1", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("'" + c.a + "' vs '" + c.b + "'");
    EXPECT_EQ(compareText(c.a, c.b), c.expected);
    EXPECT_EQ(compareText(c.b, c.a), -c.expected);
  }
}

}  // namespace
}  // namespace quorvan
