#include "ops/column_edit.h"

#include "core/not_built.h"

namespace quorvan {

void SwapColumns(Job& job) { refuseNotBuilt(job); }
void DeleteColumn(Job& job) { refuseNotBuilt(job); }
void AppendSuffix(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
