#include "io/merge_split.h"

#include "core/not_built.h"

namespace quorvan {

void MergeFiles(Job& job) { refuseNotBuilt(job); }
void SplitExport(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
