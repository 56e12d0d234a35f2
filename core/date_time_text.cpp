#include "core/date_time_text.h"

#include <string>

namespace quorvan {

Text dateTimeToText(const platform::LocalTime& time) {
  static const Text year = gbk("年"), month = gbk("月"), day = gbk("日");
  static const Text hour = gbk("时"), minute = gbk("分"), second = gbk("秒");
  auto n = [](int v) { return std::to_string(v); };
  Text text = n(time.year) + year + n(time.month) + month + n(time.day) + day;
  if (time.second != 0) {
    text += n(time.hour) + hour + n(time.minute) + minute + n(time.second) + second;
  } else if (time.minute != 0) {
    text += n(time.hour) + hour + n(time.minute) + minute;
  } else if (time.hour != 0) {
    text += n(time.hour) + hour;
  }
  return text;
}

}  // namespace quorvan
