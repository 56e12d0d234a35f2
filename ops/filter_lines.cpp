#include "ops/filter_lines.h"

#include "core/not_built.h"

namespace quorvan {

void FilterLines(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
