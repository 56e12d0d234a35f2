#pragma once
#include <cstddef>

namespace quorvan::platform {

// Asks the system to back a large block with huge pages: filling hundreds of megabytes then
// costs a few hundred page faults instead of one per 4 KiB. Only a hint; small blocks and
// systems without huge pages are left as they are.
void adviseHugePages(void* block, size_t size);

}  // namespace quorvan::platform
