#include "platform/memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace quorvan::platform {

void adviseHugePages(void* block, size_t size) {
  constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
  if (size < 4 * kHugePage) return;
  // Only whole huge pages inside the block.
  const uintptr_t begin = (uintptr_t(block) + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (uintptr_t(block) + size) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace quorvan::platform
