#pragma once
// Line sort: "快速排序".
#include "core/job.h"

namespace quorvan {

void SortLines(Job& job);

}  // namespace quorvan
