#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace quorvan::platform {
namespace {

TEST(Gbk, ConvertsCodePage936BothWays) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xD6\xD0", "中"},
      {"abc", "abc"},
      {"\xA1\xA1", "\u3000"},  // full-width space
      {"\x80", "\u20AC"},      // code page 936 has the euro sign at 0x80
      {"\x88\x40", "園"},
      {"", ""},
  };
  for (const auto& [gbk, utf8] : cases) {
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
    EXPECT_EQ(utf8ToGbk(utf8), gbk);
  }
}

TEST(Gbk, RefusesWhatCannotBeConverted) {
  EXPECT_EQ(gbkToUtf8("a\x81"), std::nullopt);  // a lead byte without its trail
  EXPECT_EQ(utf8ToGbk("\xF0\x9F\x98\x80"), std::nullopt);  // an emoji has no GBK code
  EXPECT_EQ(utf8ToGbk("\xC3"), std::nullopt);              // not UTF-8
  EXPECT_EQ(gbkToUtf8Lossy("a\x81"), "a\uFFFD");
}

}  // namespace
}  // namespace quorvan::platform
