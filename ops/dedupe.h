#pragma once
// Duplicate removal: "剔除重复" and "剔除重复(按列对比)".
#include "core/job.h"

namespace quorvan {

void RemoveDuplicates(Job& job);
void RemoveDuplicatesByColumn(Job& job);

}  // namespace quorvan
