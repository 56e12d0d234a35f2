#pragma once
// One run of the batch tool: import INPUT, run the operation's job body, write the result.
#include "cli/batch_request.h"
#include "cli/console.h"

namespace quorvan::cli {

// Runs the request through the very job bodies of the window and returns the exit status:
// 0 when the operation ran, 2 when it refused its settings, 1 when a file could not be read or
// written. Only a run that ended well leaves output files; a failed one leaves an existing
// output file as it was.
int runBatch(const BatchRequest& request, Console& console);

// The whole tool: parse the arguments, then run.
int runCommandLine(int argc, const char* const* argv);

}  // namespace quorvan::cli
