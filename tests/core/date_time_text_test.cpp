#include "core/date_time_text.h"

#include <gtest/gtest.h>

namespace quorvan {
namespace {

TEST(DateTimeToText, ShortensTrailingZeroParts) {
  struct Case {
    platform::LocalTime time;
    const char* utf8;
  } cases[] = {
      {{2017, 12, 12, 8, 22, 19}, "2017年12月12日8时22分19秒"},
      {{2017, 12, 12, 8, 0, 5}, "2017年12月12日8时0分5秒"},
      {{2017, 12, 12, 8, 22, 0}, "2017年12月12日8时22分"},
      {{2017, 12, 12, 8, 0, 0}, "2017年12月12日8时"},
      {{2017, 12, 12, 0, 0, 0}, "2017年12月12日"},
  };
  for (const auto& c : cases) EXPECT_EQ(dateTimeToText(c.time), gbk(c.utf8)) << c.utf8;
}

}  // namespace
}  // namespace quorvan
