#pragma once
#include "core/text.h"
#include "platform/clock.h"

namespace quorvan {

// "%d年%d月%d日" followed by "%d时%d分%d秒", "%d时%d分" or "%d时" as far as the trailing parts
// are not 0 (GBK).
Text dateTimeToText(const platform::LocalTime& time);

}  // namespace quorvan
