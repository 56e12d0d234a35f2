#include "ops/column_sort.h"

#include "core/not_built.h"

namespace quorvan {

void SortByColumn(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
