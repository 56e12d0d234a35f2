#include "ops/replace_format.h"

#include "core/not_built.h"

namespace quorvan {

void ReplaceText(Job& job) { refuseNotBuilt(job); }
void FormatLines(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
