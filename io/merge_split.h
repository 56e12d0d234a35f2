#pragma once
// Merge files and split export: "合并文件", "分割导出".
#include "core/job.h"

namespace quorvan {

void MergeFiles(Job& job);
void SplitExport(Job& job);

}  // namespace quorvan
