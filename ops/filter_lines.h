#pragma once
// Data filter: "筛选数据".
#include "core/job.h"

namespace quorvan {

void FilterLines(Job& job);

}  // namespace quorvan
