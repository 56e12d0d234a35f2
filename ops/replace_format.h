#pragma once
// Text replace and format: "文本替换", "格式化".
#include "core/job.h"

namespace quorvan {

void ReplaceText(Job& job);
void FormatLines(Job& job);

}  // namespace quorvan
