#pragma once
// Writing a line list to a file that appears whole or not at all.
#include <atomic>
#include <string>

#include "core/line_list.h"
#include "core/text.h"

namespace quorvan {

// Writes every line with CR LF, in order, to `path` (GBK) through a temporary file renamed over
// the target at the end; progress runs to 100 over the lines. On failure returns false, sets
// `reason`, and leaves an existing file of that name as it was.
bool writeLinesToFile(TextView path, const LineList& lines, std::atomic<int32_t>& progress,
                      std::string& reason);

}  // namespace quorvan
