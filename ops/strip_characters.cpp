#include "ops/strip_characters.h"

#include "core/not_built.h"

namespace quorvan {

void StripCharacters(Job& job) { refuseNotBuilt(job); }

}  // namespace quorvan
