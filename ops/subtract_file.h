#pragma once
// File comparison removal: "文本对比剔除" and "文本对比剔除(按列对比)".
#include "core/job.h"

namespace quorvan {

void SubtractFile(Job& job);
void SubtractFileByColumn(Job& job);

}  // namespace quorvan
