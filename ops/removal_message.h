#pragma once
// The closing message of the operations that remove lines by rule.
#include <cstdint>

#include "core/numbers.h"
#include "core/text.h"

namespace quorvan {

// "处理完成！被剔除的数据行数：" followed by the count (GBK).
inline Text removalMessage(int32_t removedCount) {
  return gbk("处理完成！被剔除的数据行数：") + numberToText(removedCount);
}

}  // namespace quorvan
