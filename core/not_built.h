#pragma once
#include "core/job.h"

namespace quorvan {

// The body of an operation that this build does not have yet: it changes nothing and says so.
void refuseNotBuilt(Job& job);

}  // namespace quorvan
