#pragma once
// Mobile number filter: "手机号筛选".
#include "core/job.h"

namespace quorvan {

void FilterMobileNumbers(Job& job);

}  // namespace quorvan
