#pragma once
// The batch tool's command line: quorvan-cli OPERATION [OPTIONS] [INPUT].
#include "cli/batch_request.h"
#include "cli/console.h"

namespace quorvan::cli {

// Exit statuses of the batch tool.
inline constexpr int kExitRan = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitRefused = 2;

// Fills `request` from the arguments. Returns -1 when the run is to go on; otherwise the exit
// status, after printing the help (0) or what is wrong (2, or 1 for a path the tool cannot
// name).
int parseCommandLine(int argc, const char* const* argv, Console& console, BatchRequest& request);

}  // namespace quorvan::cli
