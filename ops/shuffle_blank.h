#pragma once
// Shuffle and blank lines: "打乱顺序", "加入空行".
#include "core/job.h"

namespace quorvan {

void ShuffleLines(Job& job);
void AppendBlankLines(Job& job);

}  // namespace quorvan
