#pragma once
// Duplicate removal: "剔除重复" and "剔除重复(按列对比)".
#include "core/job.h"

namespace quorvan {

// Keeps the first line of each text in workingLines and moves every later repeat, in order,
// to a new removedLines; ends with "剔除完成！重复数：" and the number removed. Empty lines
// are nobody's duplicate and stay where they are.
void RemoveDuplicates(Job& job);
// The same, comparing one column ("编辑框19", cut by the delimiter "编辑框1"); a line whose
// column is empty or missing stays. Without a delimiter or with a column below 1 it changes
// nothing and says "注意：没有分隔符或列位置错误！".
void RemoveDuplicatesByColumn(Job& job);

}  // namespace quorvan
