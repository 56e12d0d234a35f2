#include "core/numbers.h"

#include <gtest/gtest.h>

namespace quorvan {
namespace {

TEST(ToInt, ReadsTheLeadingInteger) {
  const std::pair<std::string, int32_t> cases[] = {
      {"  12abc", 12},
      {"abc", 0},
      {"", 0},
      {"\xA3\xB3.\xA3\xB9", 3},  // full-width 3, half-width point, full-width 9
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
      {"0x1A", 0},
      {"+7", 7},
      {"\xA3\xAD" "5", -5},  // full-width minus
      {"\xA1\xA1" "8", 8},   // full-width space is white space
      {"\t\n-3", -3},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(toInt(text), value) << text;
}

TEST(ToNumber, ReadsTheLeadingDecimal) {
  const std::pair<std::string, double> cases[] = {
      {"3.5kg", 3.5}, {"1e3", 1000},  {"1d3", 1000},        {".5", 0.5},
      {"\xA3\xAD" "2", -2}, {"abc", 0}, {"", 0},          {"inf", 0},
      {"nan", 0},     {"0x10", 0},    {"2e", 2},            {"-.25e+2x", -25},
      {"1.", 1},      {".", 0},       {"\xA3\xB1\xA3\xAE\xA3\xB5", 1.5},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(toNumber(text), value) << text;
}

TEST(NumberToText, WritesIntegersAndShortDoubles) {
  EXPECT_EQ(numberToText(-5), "-5");
  EXPECT_EQ(numberToText(int64_t(0)), "0");
  EXPECT_EQ(numberToText(12.0), "12");
  EXPECT_EQ(numberToText(1234567890123.0), "1234567890123");
  EXPECT_EQ(numberToText(0.1), "0.1");
  EXPECT_EQ(numberToText(1e20), "1e+20");
  EXPECT_EQ(numberToText(-2.5), "-2.5");
}

TEST(IntegerPart, TruncatesTowardZero) {
  EXPECT_EQ(integerPart(2.9), 2);
  EXPECT_EQ(integerPart(-2.9), -2);
  EXPECT_EQ(integerPart(1e12), 2147483647);
  EXPECT_EQ(progressOf(1, 3), 33);
  EXPECT_EQ(progressOf(3, 3), 100);
  EXPECT_EQ(progressOf(5, 0), 0);
}

}  // namespace
}  // namespace quorvan
