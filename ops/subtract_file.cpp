#include "ops/subtract_file.h"

#include "core/not_built.h"

namespace quorvan {

void SubtractFile(Job& job) { refuseNotBuilt(job); }
void SubtractFileByColumn(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
