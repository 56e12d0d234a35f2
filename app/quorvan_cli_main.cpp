// The batch tool: every operation of the window from a terminal, a script or a pipeline.
#include "cli/batch_run.h"

int main(int argc, char** argv) { return quorvan::cli::runCommandLine(argc, argv); }
