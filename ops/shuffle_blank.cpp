#include "ops/shuffle_blank.h"

#include "core/not_built.h"

namespace quorvan {

void ShuffleLines(Job& job) { refuseNotBuilt(job); }
void AppendBlankLines(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
