#include "ops/dedupe.h"

#include "core/not_built.h"

namespace quorvan {

void RemoveDuplicates(Job& job) { refuseNotBuilt(job); }
void RemoveDuplicatesByColumn(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
