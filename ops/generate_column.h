#pragma once
// Custom column generation: "生成自定义列".
#include "core/job.h"

namespace quorvan {

void GenerateColumn(Job& job);

}  // namespace quorvan
