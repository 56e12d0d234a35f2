#include "ops/sort_lines.h"

#include "core/not_built.h"

namespace quorvan {

void SortLines(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
