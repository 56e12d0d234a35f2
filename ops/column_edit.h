#pragma once
// Column rearrangement: "列交换位置", "指定列删除", "指定列添加后缀".
#include "core/job.h"

namespace quorvan {

void SwapColumns(Job& job);
void DeleteColumn(Job& job);
void AppendSuffix(Job& job);

}  // namespace quorvan
