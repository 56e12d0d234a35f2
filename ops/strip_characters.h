#pragma once
// Character stripping: "去除杂质".
#include "core/job.h"

namespace quorvan {

void StripCharacters(Job& job);

}  // namespace quorvan
