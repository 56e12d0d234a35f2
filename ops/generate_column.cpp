#include "ops/generate_column.h"

#include "core/not_built.h"

namespace quorvan {

void GenerateColumn(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
