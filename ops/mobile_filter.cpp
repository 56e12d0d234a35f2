#include "ops/mobile_filter.h"

#include "core/not_built.h"

namespace quorvan {

void FilterMobileNumbers(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
