#pragma once
// Column sort: "列排序".
#include "core/job.h"

namespace quorvan {

void SortByColumn(Job& job);

}  // namespace quorvan
